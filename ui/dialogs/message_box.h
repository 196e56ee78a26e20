#pragma once
// The one road of every message to the user: the text and the platform-style type flags
// (button set, icon kind, default button) go in, the pressed button's result code comes out.

#include <QString>

#include <functional>
#include <vector>

namespace MessageBoxType {
// Button set, bits 0 to 3.
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned OkCancel = 0x1;
inline constexpr unsigned AbortRetryIgnore = 0x2;
inline constexpr unsigned YesNoCancel = 0x3;
inline constexpr unsigned YesNo = 0x4;
inline constexpr unsigned RetryCancel = 0x5;
inline constexpr unsigned CancelTryContinue = 0x6;
// Icon kind, bits 4 to 7.
inline constexpr unsigned IconStop = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconExclamation = 0x30;
inline constexpr unsigned IconInformation = 0x40;
// Default button, bits 8 to 11.
inline constexpr unsigned DefaultButton2 = 0x100;
inline constexpr unsigned DefaultButton3 = 0x200;
} // namespace MessageBoxType

// The platform's dialog result codes.
enum DialogResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
    IdTryAgain = 10,
    IdContinue = 11,
};

enum class MessageKind { Informs, Asks, Warns, Stops };

struct MessageButton {
    QString text;
    int result;
};

// A Yes/No box without a stop or warning icon asks, whatever its icon bits say.
MessageKind KindOfMessage(unsigned type);
QString CaptionOf(MessageKind kind);
std::vector<MessageButton> ButtonsOf(unsigned type);
// Bits 8 to 11 when they name an existing button, else the first.
int DefaultButtonIndex(unsigned type);
// Line 1 and line 2 of the prompt; a third line is not shown.
QStringList PromptLines(const QString& text);

// Shows the box modally over the active window. Escape and the window's close button
// give IdCancel.
int CalcMessageBox(const QString& text, unsigned type);

// Replaces the box (tests answer from a script; the styled box plugs in here).
// Returns the previous answerer; an empty one restores the standard box.
using MessageBoxAnswerer = std::function<int(const QString& text, unsigned type)>;
MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
