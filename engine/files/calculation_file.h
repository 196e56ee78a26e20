#pragma once
// The byte form of calculation (.vcl) and memory (.vcm) files: UTF-16 little-endian
// code units, with a byte order mark.

#include <string>
#include <string_view>

namespace NCalculatorText {

// Reads file bytes as text: an odd last byte is ignored, the text ends at the first
// U+0000, and every U+FEFF is removed wherever it stands. No other decoding is done.
std::u16string DecodeCalculationFile(std::string_view bytes);

// The bytes of a calculation file: the byte order mark, then the text's code units.
std::string EncodeCalculationFile(std::u16string_view text);

// The text's code units as they are (a memory file's text carries its own mark).
std::string EncodeUtf16LittleEndian(std::u16string_view text);

} // namespace NCalculatorText
