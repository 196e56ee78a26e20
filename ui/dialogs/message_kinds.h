#pragma once
// What a message box is made of: its kind (caption, picture, sound), its button set and
// its default button. The enums keep the platform's numbers (button set in bits 0 to 3,
// icon in bits 4 to 7, default button in bits 8 to 11 of the flag word).

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

#include "ui/resources/image_resources.h"

enum class MessageIcon : unsigned {
    None = 0x00,
    Stop = 0x10,
    Question = 0x20,
    Exclamation = 0x30,
    Information = 0x40,
};

enum class MessageButtons : unsigned {
    Close = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    CancelTryContinue = 6,
};

enum class DefaultButton : unsigned { First = 0, Second = 1, Third = 2 };

struct MessageType {
    MessageButtons buttons = MessageButtons::Close;
    MessageIcon icon = MessageIcon::None;
    DefaultButton defaultButton = DefaultButton::First;

    friend bool operator==(const MessageType&, const MessageType&) = default;
};

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
    QString text; // "&" marks the letter that presses the button
    int result;
};

// A Yes/No box without a stop or warning icon asks, whatever its icon says.
MessageKind KindOfMessage(MessageType type);
QString CaptionOf(MessageKind kind);
VaImageId ImageOf(MessageKind kind);
// Left to right; a set out of the table shows "Close".
std::vector<MessageButton> ButtonsOf(MessageButtons set);
// The named button when it exists, else the first.
int DefaultButtonIndex(MessageType type);
// Escape answers as Cancel, else as No or Close; a set with none of them (Abort, Retry,
// Ignore) answers Cancel, as the caption's close button does.
int EscapeResult(MessageButtons set);
// The letter of a button, or a null QChar.
QChar LetterOf(const MessageButton& button);
// Line 1 and line 2 of the prompt; a third line is not shown.
QStringList PromptLines(const QString& text);
