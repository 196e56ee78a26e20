#include "ui/dialogs/message_kinds.h"

MessageKind KindOfMessage(MessageType type) {
    switch (type.icon) {
    case MessageIcon::Stop:
        return MessageKind::Stops;
    case MessageIcon::Question:
        return MessageKind::Asks;
    case MessageIcon::Exclamation:
        return MessageKind::Warns;
    case MessageIcon::None:
    case MessageIcon::Information:
        break;
    }
    if (type.buttons == MessageButtons::YesNo || type.buttons == MessageButtons::YesNoCancel)
        return MessageKind::Asks;
    return MessageKind::Informs;
}

QString CaptionOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Asks:
        return QStringLiteral("Calculator asks");
    case MessageKind::Warns:
        return QStringLiteral("Calculator warns");
    case MessageKind::Stops:
        return QStringLiteral("Calculator stops");
    case MessageKind::Informs:
        break;
    }
    return QStringLiteral("Calculator informs");
}

VaImageId ImageOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Asks:
        return VaImageId::Asks;
    case MessageKind::Warns:
        return VaImageId::Warns;
    case MessageKind::Stops:
        return VaImageId::Stops;
    case MessageKind::Informs:
        break;
    }
    return VaImageId::Informs;
}

std::vector<MessageButton> ButtonsOf(MessageButtons set) {
    const MessageButton ok{QStringLiteral("OK"), IdOk};
    const MessageButton cancel{QStringLiteral("&Cancel"), IdCancel};
    const MessageButton yes{QStringLiteral("&Yes"), IdYes};
    const MessageButton no{QStringLiteral("&No"), IdNo};
    const MessageButton retry{QStringLiteral("&Retry"), IdRetry};
    switch (set) {
    case MessageButtons::OkCancel:
        return {ok, cancel};
    case MessageButtons::AbortRetryIgnore:
        return {{QStringLiteral("&Abort"), IdAbort}, retry, {QStringLiteral("&Ignore"), IdIgnore}};
    case MessageButtons::YesNoCancel:
        return {yes, no, cancel};
    case MessageButtons::YesNo:
        return {yes, no};
    case MessageButtons::RetryCancel:
        return {retry, cancel};
    case MessageButtons::CancelTryContinue:
        // "C" is Cancel's; Continue goes by the mouse, Enter or Tab.
        return {cancel, {QStringLiteral("&Try again"), IdTryAgain}, {QStringLiteral("Continue"), IdContinue}};
    case MessageButtons::Close:
        break;
    }
    return {{QStringLiteral("&Close"), IdOk}};
}

int DefaultButtonIndex(MessageType type) {
    const int index = static_cast<int>(type.defaultButton);
    return index < static_cast<int>(ButtonsOf(type.buttons).size()) ? index : 0;
}

int EscapeResult(MessageButtons set) {
    const std::vector<MessageButton> buttons = ButtonsOf(set);
    for (int wanted : {int(IdCancel), int(IdNo)}) {
        for (const MessageButton& button : buttons) {
            if (button.result == wanted)
                return wanted;
        }
    }
    return buttons.size() == 1 ? buttons.front().result : int(IdCancel);
}

QChar LetterOf(const MessageButton& button) {
    const qsizetype mark = button.text.indexOf(QLatin1Char('&'));
    return mark >= 0 && mark + 1 < button.text.size() ? button.text[mark + 1].toUpper() : QChar();
}

QStringList PromptLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (lines.size() > 2)
        lines.removeLast();
    return lines;
}
