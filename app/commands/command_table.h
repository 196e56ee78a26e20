#pragma once
// Texts, prompts, tooltips and shortcuts of every command, in one table.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>

#include "app/commands/command_id.h"

enum class ShortcutScope {
    Everywhere, // the main window and every pane
    Editor,     // editing keys: only while the editor has the focus
    MainWindow, // F1, Shift+F1, F6, Shift+F6: not from inside a pane
};

struct CommandInfo {
    CommandId id;
    const char16_t* menuText; // with "&" and "\t" shortcut text; empty when not in a menu
    const char16_t* prompt;   // status-bar prompt
    const char16_t* tooltip;
    const char* shortcuts; // "; "-separated key sequences in portable text
    bool checkable;
    ShortcutScope scope;
    const char* icon; // toolbar image under ":/icons", or nullptr
};

std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(CommandId id);
QList<QKeySequence> ShortcutsOf(const CommandInfo& info);
