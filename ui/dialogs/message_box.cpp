#include "ui/dialogs/message_box.h"

#include <QApplication>

#include "ui/dialogs/kind_sound.h"
#include "ui/dialogs/va_message_dialog.h"

namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

int ShowStyledBox(const QString& text, MessageType type) {
    VaMessageDialog box(text, type, QApplication::activeWindow());
    PlayKindSound(box.Kind());
    return box.exec();
}

} // namespace

int CalcMessageBox(const QString& text, MessageType type) {
    if (Answerer())
        return Answerer()(text, type);
    return ShowStyledBox(text, type);
}

MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    MessageBoxAnswerer previous = std::move(Answerer());
    Answerer() = std::move(answerer);
    return previous;
}
