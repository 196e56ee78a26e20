#pragma once
// The program's own dialog: a frameless window that paints its whole picture itself, with
// a caption bar, a round close button, a soft shadow in a transparent margin around the
// frame, and opening and closing animations of the painted scale. Its controls paint
// nothing on screen; the dialog draws them through DrawContent.

#include <QDialog>
#include <QImage>
#include <QVariantAnimation>

#include <optional>

#include "ui/dialogs/dialog_frame.h"

class VaDialog : public QDialog {
  public:
    VaDialog(QWidget* owner, const QString& title);

    // Lays the dialog out if it is not yet; showing it does the same.
    void Prepare();
    // The whole picture as the window shows it when fully open.
    QImage Picture();
    // The picture grown or shrunk about the frame's centre, as one animation step paints it.
    void PaintScaled(QPainter& painter, double scale);
    // Ends the dialog with the result once the closing animation has run.
    void done(int result) override;

    const CaptionGeometry& Caption() const { return caption_; }
    // The frame in the window's coordinates (the window is larger by the shadow margins).
    QRect FrameRect() const { return QRect(frameOrigin_, frameSize_); }
    bool PaintsShadow() const { return shadow_; }
    CloseButtonState CloseState() const { return closeState_; }

  protected:
    // Draws the images, texts and buttons into the picture; false when a part failed.
    virtual bool DrawContent(QPainter& painter);
    // Creates, sizes and places the content and sets the frame's size (SetFrameSize).
    virtual void LayoutContent();

    void SetFrameSize(QSize size) { frameSize_ = size; }
    // Moves a control to a point of the frame.
    void Place(QWidget* control, QPoint framePoint) const;
    QPoint FramePoint(QPoint framePoint) const { return frameOrigin_ + framePoint; }

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    enum class Part { Outside, Border, Caption, Icon, Close, Client };
    Part PartAt(QPoint point) const;
    void PaintWhole(QPainter& painter);
    void SetCloseState(CloseButtonState state);
    void ShowSystemMenu();
    void Animate(double from, double to, int milliseconds);
    void CentreOnScreen();

    CaptionGeometry caption_;
    QSize frameSize_;
    QPoint frameOrigin_;
    QSize margins_;
    bool shadow_ = true;
    bool prepared_ = false;
    QImage icon_;
    QImage shadowPicture_;
    QImage frame_; // shadow and frame, redrawn when the look changes
    std::optional<FrameLook> frameLook_;
    CloseButtonState closeState_ = CloseButtonState::Normal;
    bool closeCaptured_ = false;
    QVariantAnimation animation_;
    double scale_ = 1.0;
    std::optional<int> closingResult_;
};
