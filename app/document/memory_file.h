#pragma once
// Writing a memory file: the Memory menu's Save and the memory pane's Save button ask
// and write the same way and report a failure with the same words.

#include <QString>

#include <string_view>

#include "ui/dialogs/calc_file_dialog.h"

// The dialog that chooses a memory file to write; the Memory menu and the pane offer
// different filters.
FileDialogRequest MemorySaveRequest(const QString& filter);

// The text's code units as they are (it begins with U+FEFF, the byte order mark).
void SaveMemoryFile(const QString& path, std::u16string_view text);
