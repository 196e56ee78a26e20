#pragma once
// Replacing a file's contents without harming it, for --in-place and --save-memory.
// The bytes go to a new file of an unpredictable name in the target's folder, which
// takes the old file's mode and owner, is flushed to the disk and then renamed over
// the target; a symbolic link is followed, so the link stays and its target changes.
// A file with more than one hard link is written through its own inode instead (its
// space claimed first, so a full disk fails before a byte changes), so every name
// keeps showing the same contents. Devices and pipes are written directly.

#include <string>
#include <string_view>

namespace vcalc {

struct WriteResult {
    bool written = false;
    std::string problem; // why not, for the message
};

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes);

} // namespace vcalc
