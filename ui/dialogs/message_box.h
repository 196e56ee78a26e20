#pragma once
// The one road of every message to the user: the text and its kind, button set and
// default button go in, the pressed button's result code comes out.

#include <QString>

#include <functional>

#include "ui/dialogs/message_kinds.h"

// Shows the styled box modally over the active window, with the sound of its kind.
int CalcMessageBox(const QString& text, MessageType type);

// Replaces the box (tests answer from a script). Returns the previous answerer; an empty
// one restores the styled box.
using MessageBoxAnswerer = std::function<int(const QString& text, MessageType type)>;
MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
