#pragma once
// The keypad's push button: painted entirely by the painter of its style, with its own
// text and face colours or the system's, following the pointer itself so that in the
// Vantor style only the capsule reacts, and completing a press by posting its id.

#include <QColor>
#include <QPushButton>
#include <QTimer>

#include <cstdint>

#include "ui/keypad/button_pointer.h"
#include "ui/keypad/button_style.h"

class CColorButton : public QPushButton {
    Q_OBJECT

  public:
    CColorButton(int id, QWidget* parent);

    // The keypad sets these and repaints.
    void SetStyle(KeypadStyle style) { style_ = style; }
    QColor TextColor() const { return textColor_; }
    void SetTextColor(const QColor& color) { textColor_ = color; }
    QColor FaceColor() const { return faceColor_; }
    void SetFaceColor(const QColor& color) { faceColor_ = color; }
    bool UsesSystemText() const { return useSystemText_; }
    void SetUseSystemText(bool use) { useSystemText_ = use; }
    bool UsesSystemFace() const { return useSystemFace_; }
    void SetUseSystemFace(bool use) { useSystemFace_ = use; }
    std::uint32_t ContextHelpId() const { return contextHelpId_; }
    void SetContextHelpId(std::uint32_t id) { contextHelpId_ = id; }

    // What the key paints now: the style after the theme's substitution.
    ButtonDrawing Drawing() const;

  signals:
    // A press completed, by the pointer or the keyboard.
    void commandPosted(int id);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    bool IsVantor() const { return style_ == KeypadStyle::Vantor; }
    PointerHit HitAt(QPoint point) const;
    void Press(QMouseEvent* event);
    void OpenTheme();
    void LoseCapture();
    void CompleteSpaceRelease();

    int id_;
    bool themePending_ = true; // the theme is opened at the first paint
    bool themeOpen_ = false;
    ButtonPointer pointer_;
    bool useSystemFace_ = true;
    bool useSystemText_ = true;
    KeypadStyle style_ = KeypadStyle::Vantor;
    QColor textColor_;
    QColor faceColor_;
    std::uint32_t contextHelpId_ = 0;
    // The space bar's release completes the press a moment later, unless a press of the
    // same moment follows: that pair is how X11 repeats a held key.
    QTimer spaceRelease_;
    ulong spaceReleasedAt_ = 0;
};
