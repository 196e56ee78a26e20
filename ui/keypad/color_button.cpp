#include "ui/keypad/color_button.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/help/help_request.h"
#include "ui/keypad/button_paint.h"
#include "ui/keypad/key_outlines.h"

namespace {

// How long after the space bar's release a press may come that makes the two a repeat.
constexpr int kRepeatWindowMs = 30;

bool IsSpace(const QKeyEvent* event) {
    return event->key() == Qt::Key_Space && !event->isAutoRepeat();
}

bool IsHelpKey(const QEvent* event) {
    return static_cast<const QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::Key_F1);
}

} // namespace

CColorButton::CColorButton(int id, QWidget* parent)
    : QPushButton(parent), id_(id), textColor_(palette().color(QPalette::ButtonText)),
      faceColor_(palette().color(QPalette::Button)) {
    // The painters cover every pixel: nothing is erased first, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Enter presses the focused key, as Space does.
    setAutoDefault(true);
    connect(this, &QAbstractButton::clicked, this, [this] { emit commandPosted(id_); });
    spaceRelease_.setSingleShot(true);
    spaceRelease_.setInterval(kRepeatWindowMs);
    connect(&spaceRelease_, &QTimer::timeout, this, &CColorButton::CompleteSpaceRelease);
}

void CColorButton::CompleteSpaceRelease() {
    spaceRelease_.stop();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QPushButton::keyReleaseEvent(&release);
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
    // A change of the application's style or palette is the theme-change notice.
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
        OpenTheme();
        update();
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        LoseCapture();
        [[fallthrough]];
    // The space bar was released before the focus went.
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
        if (spaceRelease_.isActive())
            CompleteSpaceRelease();
        break;
    // F1 on a key asks for the key's own topic, before the window's F1 can take it.
    case QEvent::ShortcutOverride:
        if (IsHelpKey(event)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (IsHelpKey(event)) {
            RequestHelp(contextHelpId_);
            return true;
        }
        break;
    // The context help mode (Shift+F1, then a click on the key).
    case QEvent::QueryWhatsThis:
        event->accept();
        return true;
    case QEvent::WhatsThis:
        RequestHelp(contextHelpId_);
        return true;
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

void CColorButton::keyPressEvent(QKeyEvent* event) {
    if (spaceRelease_.isActive()) {
        if (event->key() == Qt::Key_Space && event->timestamp() == spaceReleasedAt_) {
            spaceRelease_.stop();
            event->accept();
            return;
        }
        CompleteSpaceRelease();
    }
    QPushButton::keyPressEvent(event);
}

void CColorButton::keyReleaseEvent(QKeyEvent* event) {
    if (IsSpace(event) && isDown()) {
        spaceReleasedAt_ = event->timestamp();
        spaceRelease_.start();
        event->accept();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void CColorButton::enterEvent(QEnterEvent* event) {
    if (pointer_.Enter(IsVantor(), HitAt(event->position().toPoint())))
        update();
    QPushButton::enterEvent(event);
}

void CColorButton::leaveEvent(QEvent* event) {
    if (pointer_.Leave())
        update();
    QPushButton::leaveEvent(event);
}
