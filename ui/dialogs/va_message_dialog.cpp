#include "ui/dialogs/va_message_dialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/controls/va_button.h"
#include "ui/controls/va_static.h"
#include "ui/dialogs/content_look.h"
#include "ui/dialogs/dialog_geometry.h"

VaMessageDialog::VaMessageDialog(const QString& text, MessageType type, QWidget* owner)
    : VaDialog(owner, CaptionOf(KindOfMessage(type))), type_(type), kind_(KindOfMessage(type)),
      table_(ButtonsOf(type.buttons)) {
    setObjectName(QStringLiteral("Message"));
    for (const QString& line : PromptLines(text)) {
        auto* shown = new VaStatic(line, this);
        StyleText(*shown);
        lines_.push_back(shown);
    }
    for (const MessageButton& entry : table_) {
        auto* button = new VaButton(entry.text, this);
        StyleButton(*button);
        const int result = entry.result;
        connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
        buttons_.push_back(button);
    }
}

void VaMessageDialog::LayoutContent() {
    MessageLayoutInput input{.dpiX = logicalDpiX(),
                             .dpiY = logicalDpiY(),
                             .captionHeight = Caption().height,
                             .kind = kind_,
                             .line1 = lines_.front()->PreferredSize()};
    if (lines_.size() > 1)
        input.line2Width = lines_[1]->PreferredSize().width();
    for (VaButton* button : buttons_)
        input.buttons.push_back(button->PreferredSize());
    const MessageLayout layout = LayOutMessage(input);
    SetFrameSize(layout.frame);
    image_.LoadPngScaled(ImageOf(kind_), layout.image.width(), layout.image.height(), devicePixelRatioF());
    image_.SetPosition(FramePoint(layout.image.topLeft()));
    Place(lines_.front(), layout.line1);
    if (lines_.size() > 1)
        Place(lines_[1], layout.line2);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->resize(layout.button);
        Place(buttons_[i], layout.buttons[i]);
    }
    VaButton* chosen = buttons_[static_cast<std::size_t>(DefaultButtonIndex(type_))];
    chosen->setDefault(true);
    chosen->setFocus();
}

bool VaMessageDialog::DrawContent(QPainter& painter) {
    bool drawn = image_.DrawTo(painter);
    for (const VaStatic* line : lines_)
        drawn = line->DrawTo(painter) && drawn;
    for (VaButton* button : buttons_)
        drawn = button->DrawTo(painter) && drawn;
    return drawn;
}

void VaMessageDialog::reject() {
    done(EscapeResult(type_.buttons));
}

void VaMessageDialog::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text().toUpper();
    if (typed.size() == 1 && (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
        for (std::size_t i = 0; i < table_.size(); ++i) {
            if (LetterOf(table_[i]) == typed.front()) {
                buttons_[i]->click();
                return;
            }
        }
    }
    VaDialog::keyPressEvent(event);
}
