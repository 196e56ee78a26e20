#include "ui/dialogs/va_dialog.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "ui/controls/picture_painting.h"
#include "ui/controls/va_shadow.h"
#include "ui/dialogs/compositing.h"
#include "ui/dialogs/dialog_decoration.h"
#include "ui/dialogs/message_kinds.h"
#include "ui/resources/va_bitmap.h"
#include "ui/resources/va_fonts.h"

namespace {

constexpr int kOpenMilliseconds = 190;
constexpr int kCloseMilliseconds = 180;
constexpr double kTitlePoints = 11;

} // namespace

VaDialog::VaDialog(QWidget* owner, const QString& title) : QDialog(owner) {
    setWindowTitle(title);
    // The caption with its close button is painted by the dialog itself.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    DecorateDialog(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setMouseTracking(true);
    caption_ = CaptionGeometryFor(96);
    connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        scale_ = value.toDouble();
        setWindowOpacity(scale_);
        update();
    });
    connect(&animation_, &QVariantAnimation::finished, this, [this] {
        if (closingResult_)
            QDialog::done(*closingResult_);
    });
}

bool VaDialog::DrawContent(QPainter&) {
    return true;
}

void VaDialog::LayoutContent() {}

void VaDialog::Place(QWidget* control, QPoint framePoint) const {
    control->move(FramePoint(framePoint));
}

void VaDialog::Prepare() {
    if (prepared_)
        return;
    prepared_ = true;
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    caption_ = CaptionGeometryFor(dpiY);
    shadow_ = DisplayComposites();
    margins_ = shadow_ ? ShadowMargins(dpiX, dpiY) : QSize(0, 0);
    frameOrigin_ = QPoint(margins_.width(), margins_.height() - ShadowDrop(margins_));
    const qreal ratio = devicePixelRatioF();
    if (caption_.icon.width() > 0) {
        icon_ = DecodeImage(VaImageId::CaptionIcon, caption_.icon.size() * ratio);
        icon_.setDevicePixelRatio(ratio);
    }
    LayoutContent();
    // One size, the painted one: nor may the window manager offer to maximize it.
    setFixedSize(frameSize_ + 2 * margins_);
    VaBitmap shadow;
    if (shadow_ && shadow.LoadPng(VaImageId::Shadow))
        shadowPicture_ = shadow.Picture();
    CentreOnScreen();
}

void VaDialog::CentreOnScreen() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QPoint frameTopLeft =
        screen->geometry().center() - QPoint(frameSize_.width() / 2, frameSize_.height() / 2);
    move(frameTopLeft - frameOrigin_);
}

void VaDialog::PaintWhole(QPainter& painter) {
    const FrameLook look{isActiveWindow() || !isVisible(), closeState_, !shadow_};
    const qreal ratio = devicePixelRatioF();
    if (!frameLook_ || frameLook_->active != look.active || frameLook_->close != look.close ||
        frame_.size() != size() * ratio) {
        frame_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        frame_.setDevicePixelRatio(ratio);
        frame_.fill(Qt::transparent);
        QPainter framePainter(&frame_);
        SetPictureHints(framePainter);
        if (shadow_)
            DrawShadow(framePainter, rect(), margins_, shadowPicture_);
        framePainter.translate(frameOrigin_);
        PaintFrame(framePainter,
                   {frameSize_, caption_, windowTitle(),
                    VaFonts::Application().Font(VaFace::Bold, kTitlePoints),
                    icon_.isNull() ? nullptr : &icon_},
                   look);
        frameLook_ = look;
    }
    painter.drawImage(QPoint(0, 0), frame_);
    SetPictureHints(painter);
    DrawContent(painter);
}

QImage VaDialog::Picture() {
    Prepare();
    const qreal ratio = devicePixelRatioF();
    QImage picture(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    PaintWhole(painter);
    return picture;
}

void VaDialog::PaintScaled(QPainter& painter, double scale) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (scale < 1.0) {
        const QPointF centre = QRectF(FrameRect()).center();
        painter.translate(centre);
        painter.scale(scale, scale);
        painter.translate(-centre);
    }
    PaintWhole(painter);
    painter.restore();
}

void VaDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintScaled(painter, scale_);
}

void VaDialog::showEvent(QShowEvent* event) {
    Prepare();
    QDialog::showEvent(event);
    closingResult_.reset();
    Animate(0.0, 1.0, kOpenMilliseconds);
}

void VaDialog::done(int result) {
    if (closingResult_)
        return;
    if (!isVisible())
        return QDialog::done(result);
    closingResult_ = result;
    Animate(scale_, 0.0, kCloseMilliseconds);
}

void VaDialog::Animate(double from, double to, int milliseconds) {
    animation_.stop();
    animation_.setStartValue(from);
    animation_.setEndValue(to);
    animation_.setDuration(milliseconds);
    animation_.setEasingCurve(QEasingCurve::OutCubic);
    scale_ = from;
    animation_.start();
}

void VaDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange)
        update();
    QDialog::changeEvent(event);
}

VaDialog::Part VaDialog::PartAt(QPoint point) const {
    const QPoint p = point - frameOrigin_;
    if (!QRect(QPoint(0, 0), frameSize_).contains(p))
        return Part::Outside;
    if (p.y() < caption_.height + 4) {
        if (caption_.icon.width() > 0 && InCircle(p, caption_.icon))
            return Part::Icon;
        if (InCircle(p, CloseButtonRect(caption_, frameSize_.width())))
            return Part::Close;
        return Part::Caption;
    }
    if (p.x() < 2 || p.x() >= frameSize_.width() - 2 || p.y() >= frameSize_.height() - 2)
        return Part::Border;
    return Part::Client;
}

void VaDialog::SetCloseState(CloseButtonState state) {
    if (state == closeState_)
        return;
    closeState_ = state;
    update(FramePoint(CloseButtonRect(caption_, frameSize_.width()).topLeft()).x() - 2, 0, width(),
           frameOrigin_.y() + caption_.height + 4);
}

void VaDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || closingResult_)
        return event->ignore();
    switch (PartAt(event->position().toPoint())) {
    case Part::Close:
        closeCaptured_ = true;
        SetCloseState(CloseButtonState::Pressed);
        return;
    case Part::Icon:
        return ShowSystemMenu();
    case Part::Caption:
        if (windowHandle() != nullptr)
            windowHandle()->startSystemMove();
        return;
    case Part::Outside:
    case Part::Border:
    case Part::Client:
        break;
    }
    event->ignore();
}

void VaDialog::mouseMoveEvent(QMouseEvent* event) {
    const bool overClose = PartAt(event->position().toPoint()) == Part::Close;
    if (closeCaptured_)
        SetCloseState(overClose ? CloseButtonState::Pressed : CloseButtonState::Normal);
    else
        SetCloseState(overClose ? CloseButtonState::Hot : CloseButtonState::Normal);
}

void VaDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (!closeCaptured_)
        return event->ignore();
    closeCaptured_ = false;
    const bool overClose = PartAt(event->position().toPoint()) == Part::Close;
    SetCloseState(overClose ? CloseButtonState::Hot : CloseButtonState::Normal);
    if (overClose)
        done(IdCancel);
}

void VaDialog::leaveEvent(QEvent* event) {
    if (!closeCaptured_)
        SetCloseState(CloseButtonState::Normal);
    QDialog::leaveEvent(event);
}

void VaDialog::ShowSystemMenu() {
    QMenu menu(this);
    QAction* moveAction = menu.addAction(QStringLiteral("&Move"));
    menu.addSeparator();
    QAction* closeAction = menu.addAction(QStringLiteral("&Close"));
    closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    const QPoint below = FramePoint(QPoint(caption_.icon.left(), caption_.icon.bottom() + 2));
    QAction* chosen = menu.exec(mapToGlobal(below));
    if (chosen == closeAction)
        done(IdCancel);
    else if (chosen == moveAction && windowHandle() != nullptr)
        windowHandle()->startSystemMove();
}
