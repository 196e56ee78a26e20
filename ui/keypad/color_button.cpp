#include "ui/keypad/color_button.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "ui/keypad/button_paint.h"
#include "ui/keypad/key_outlines.h"

CColorButton::CColorButton(int id, QWidget* parent)
    : QPushButton(parent), id_(id), textColor_(palette().color(QPalette::ButtonText)),
      faceColor_(palette().color(QPalette::Button)) {
    // The painters cover every pixel: nothing is erased first, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Enter presses the focused key, as Space does.
    setAutoDefault(true);
    connect(this, &QAbstractButton::clicked, this, [this] { emit commandPosted(id_); });
}

ButtonDrawing CColorButton::Drawing() const {
    return DrawingFor(style_, themeOpen_);
}

PointerHit CColorButton::HitAt(QPoint point) const {
    return {InCapsule(size(), point), rect().contains(point)};
}

void CColorButton::OpenTheme() {
    themeOpen_ = ThemingActive();
}

void CColorButton::LoseCapture() {
    if (pointer_.CaptureLost(IsVantor(), HitAt(mapFromGlobal(QCursor::pos()))))
        update();
}

bool CColorButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::StyleChange:
        OpenTheme();
        update();
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        LoseCapture();
        break;
    default:
        break;
    }
    return QPushButton::event(event);
}

void CColorButton::paintEvent(QPaintEvent*) {
    if (themePending_) {
        themePending_ = false;
        OpenTheme();
    }
    if (useSystemFace_)
        faceColor_ = palette().color(QPalette::Button);
    if (useSystemText_)
        textColor_ = palette().color(QPalette::ButtonText);
    ButtonLook look;
    look.text = text();
    look.font = font();
    look.face = faceColor_;
    look.textColor = textColor_;
    look.pressedLook = pointer_.PressedLook();
    look.selected = isDown();
    look.hover = pointer_.Hover();
    look.insideFace = pointer_.InsideFace();
    look.focus = hasFocus();
    look.hideFocus = !window()->testAttribute(Qt::WA_KeyboardFocusChange);
    look.disabled = !isEnabled();
    look.defaultMark = isDefault();
    look.useSystemFace = useSystemFace_;
    look.useSystemText = useSystemText_;
    look.palette = palette();
    QPainter painter(this);
    PaintButton(painter, size(), devicePixelRatioF(), Drawing(), look, ButtonTheme{style(), this});
}

void CColorButton::Press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (pointer_.Press(IsVantor(), HitAt(event->position().toPoint())))
        update();
}

void CColorButton::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

// A double click is two presses.
void CColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event);
}

void CColorButton::mouseMoveEvent(QMouseEvent* event) {
    if (pointer_.Move(IsVantor(), HitAt(event->position().toPoint())))
        update();
}

void CColorButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasCaptured = pointer_.Captured();
    // Where the pointer is released counts, in the window's own coordinates.
    const bool completes = pointer_.Release(IsVantor(), HitAt(event->position().toPoint()));
    if (wasCaptured)
        update();
    if (completes)
        emit commandPosted(id_);
}

void CColorButton::leaveEvent(QEvent* event) {
    if (pointer_.Leave())
        update();
    QPushButton::leaveEvent(event);
}
