#pragma once
// The styled message box: the kind's caption and picture, one or two centred lines, and a
// centred row of buttons. The buttons answer the mouse, Enter (the default button),
// Escape, and their letters.

#include <vector>

#include "ui/dialogs/message_kinds.h"
#include "ui/dialogs/va_dialog.h"
#include "ui/resources/va_image.h"

class VaButton;
class VaStatic;

class VaMessageDialog : public VaDialog {
  public:
    VaMessageDialog(const QString& text, MessageType type, QWidget* owner);

    MessageKind Kind() const { return kind_; }
    const std::vector<VaButton*>& Buttons() const { return buttons_; }
    const std::vector<VaStatic*>& Lines() const { return lines_; }
    const VaImage& KindImage() const { return image_; }

    void reject() override;

  protected:
    bool DrawContent(QPainter& painter) override;
    void LayoutContent() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    MessageType type_;
    MessageKind kind_;
    std::vector<MessageButton> table_;
    VaImage image_;
    std::vector<VaStatic*> lines_;
    std::vector<VaButton*> buttons_;
};
