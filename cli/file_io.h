#pragma once
// Whole-file reads and writes for vcalc. A write goes through a temporary file and a
// rename, so a failed write leaves the old file as it was.

#include <optional>
#include <string>

namespace vcalc {

std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

} // namespace vcalc
