#pragma once
// The byte form of calculation (.vcl) and memory (.vcm) files. The program writes
// UTF-16 little-endian with a byte order mark; it reads that, UTF-16 big-endian and
// UTF-8 from other editors.

#include <cstddef>
#include <string>
#include <string_view>

namespace NCalculatorText {

// Larger files (and standard input) are refused: no calculation text comes near, and
// the editor would crawl.
inline constexpr std::size_t kLargestCalculationFile = 16 * 1024 * 1024;

enum class TextEncoding { Utf16LittleEndian, Utf16BigEndian, Utf8, Unreadable };

// How bytes without a byte order mark are read.
enum class UnmarkedBytes {
    Detect, // files: UTF-8 when valid and free of NUL bytes, else UTF-16 little-endian
    Utf8,   // standard input
};

struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf16LittleEndian;
    std::u16string text; // empty when Unreadable
};

// A byte order mark (EF BB BF, FF FE or FE FF) chooses the encoding; without one,
// `unmarked` does. Whatever the encoding, the text ends at the first U+0000, every
// U+FEFF is removed wherever it stands, and in UTF-16 an odd last byte is ignored.
// Unreadable: UTF-8 with an invalid sequence, or unmarked bytes that are neither
// UTF-8 nor UTF-16 (invalid UTF-8 without a NUL byte, such as a Latin-1 text).
DecodedText DecodeCalculationFile(std::string_view bytes, UnmarkedBytes unmarked = UnmarkedBytes::Detect);

// The bytes of a calculation file: the byte order mark, then the text's code units.
std::string EncodeCalculationFile(std::u16string_view text);

// The text's code units as they are (a memory file's text carries its own mark).
std::string EncodeUtf16LittleEndian(std::u16string_view text);

} // namespace NCalculatorText
