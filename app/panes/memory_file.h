#pragma once
// Writing a memory file (.vcm): the memory text's UTF-16 code units, little-endian,
// its leading U+FEFF becoming the byte order mark.

#include <string_view>

#include <QString>

namespace NCalculatorPanes {

// Writes through a temporary file renamed over the target, so a failed write leaves
// an existing file as it was. False when the file could not be written.
bool WriteMemoryFile(const QString& path, std::u16string_view memoryText);

} // namespace NCalculatorPanes
