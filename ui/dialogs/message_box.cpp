#include "ui/dialogs/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

unsigned ButtonSetOf(unsigned type) {
    return type & 0xFu;
}

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Asks:
        return QMessageBox::Question;
    case MessageKind::Warns:
        return QMessageBox::Warning;
    case MessageKind::Stops:
        return QMessageBox::Critical;
    case MessageKind::Informs:
        break;
    }
    return QMessageBox::Information;
}

int ShowStandardBox(const QString& text, unsigned type) {
    const MessageKind kind = KindOfMessage(type);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(CaptionOf(kind));
    box.setIcon(IconOf(kind));
    box.setText(PromptLines(text).join(QLatin1Char('\n')));
    const std::vector<MessageButton> buttons = ButtonsOf(type);
    std::vector<QPushButton*> pushButtons;
    for (const MessageButton& button : buttons)
        pushButtons.push_back(box.addButton(button.text, QMessageBox::ActionRole));
    box.setDefaultButton(pushButtons[static_cast<size_t>(DefaultButtonIndex(type))]);
    // Escape and the close button press this hidden button, whatever the set offers.
    QPushButton* escape = box.addButton(QString(), QMessageBox::RejectRole);
    escape->hide();
    box.setEscapeButton(escape);
    if (kind == MessageKind::Warns || kind == MessageKind::Stops)
        QApplication::beep();
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == pushButtons[i])
            return buttons[i].result;
    }
    return IdCancel; // Escape or the close button
}

} // namespace

MessageKind KindOfMessage(unsigned type) {
    switch (type & 0xF0u) {
    case MessageBoxType::IconStop:
        return MessageKind::Stops;
    case MessageBoxType::IconQuestion:
        return MessageKind::Asks;
    case MessageBoxType::IconExclamation:
        return MessageKind::Warns;
    default:
        break;
    }
    const unsigned set = ButtonSetOf(type);
    if (set == MessageBoxType::YesNo || set == MessageBoxType::YesNoCancel)
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

std::vector<MessageButton> ButtonsOf(unsigned type) {
    const MessageButton ok{QStringLiteral("OK"), IdOk};
    const MessageButton cancel{QStringLiteral("Cancel"), IdCancel};
    const MessageButton yes{QStringLiteral("Yes"), IdYes};
    const MessageButton no{QStringLiteral("No"), IdNo};
    const MessageButton retry{QStringLiteral("Retry"), IdRetry};
    switch (ButtonSetOf(type)) {
    case MessageBoxType::OkCancel:
        return {ok, cancel};
    case MessageBoxType::AbortRetryIgnore:
        return {{QStringLiteral("Abort"), IdAbort}, retry, {QStringLiteral("Ignore"), IdIgnore}};
    case MessageBoxType::YesNoCancel:
        return {yes, no, cancel};
    case MessageBoxType::YesNo:
        return {yes, no};
    case MessageBoxType::RetryCancel:
        return {retry, cancel};
    case MessageBoxType::CancelTryContinue:
        return {cancel, {QStringLiteral("Try again"), IdTryAgain}, {QStringLiteral("Continue"), IdContinue}};
    default:
        break;
    }
    return {{QStringLiteral("Close"), IdOk}};
}

int DefaultButtonIndex(unsigned type) {
    const int index = static_cast<int>((type >> 8) & 0xFu);
    return index < static_cast<int>(ButtonsOf(type).size()) ? index : 0;
}

QStringList PromptLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (lines.size() > 2)
        lines.removeLast();
    return lines;
}

int CalcMessageBox(const QString& text, unsigned type) {
    if (Answerer())
        return Answerer()(text, type);
    return ShowStandardBox(text, type);
}

MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    MessageBoxAnswerer previous = std::move(Answerer());
    Answerer() = std::move(answerer);
    return previous;
}
