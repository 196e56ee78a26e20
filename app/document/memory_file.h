#pragma once
// Writing a memory file: the Memory menu's Save and the memory pane's Save button write
// the same way and report a failure with the same words.

#include <QString>

#include <string_view>

// The text's code units as they are (it begins with U+FEFF, the byte order mark).
void SaveMemoryFile(const QString& path, std::u16string_view text);
