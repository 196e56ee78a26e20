#pragma once
// The program's help: one help window for the whole run, opened at the page F1,
// Help Topics or a keypad key asks for, and the what's-this texts of the commands
// and panes.

#include <QString>

#include <cstdint>

class CommandActions;
class CCalcHelpWindow;
class QWidget;

// Opens the help window (made on first use, owned by `owner`'s window) at a target:
// "language#powers", "fn-tan", or empty for the first topic. Function pages follow the
// notation preference.
void ShowHelp(const QString& target, QWidget* owner);

// F1: over a keypad key its page, in the editor the page of the name at the caret,
// elsewhere the page of the pane that has the focus, else the first topic.
QString HelpTargetForF1(QWidget* underPointer, QWidget* focus, QWidget* editor);

// The window ShowHelp opened, or nullptr.
CCalcHelpWindow* OpenHelpWindow();

// Gives every command and the named widgets their what's-this texts.
void ApplyWhatsThisTexts(const CommandActions& actions);
// "pane:<name>" of the help's what's-this texts, as rich text; empty when there is none.
QString PaneWhatsThis(const QString& pane);
