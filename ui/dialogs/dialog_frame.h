#pragma once
// The painted frame of the program's own dialogs: caption bar with its gradient, icon and
// haloed title, the round close button in its states, the body, and the double outline
// with rounded corners. Plain painter routines on the frame's own coordinates.

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

#include "ui/dialogs/dialog_geometry.h"

enum class CloseButtonState { Normal, Hot, Pressed };

struct FrameLook {
    bool active = true;
    CloseButtonState close = CloseButtonState::Normal;
    bool opaqueCorners = false; // no compositor: the corners outside the outline are filled
};

struct FrameContent {
    QSize size;
    CaptionGeometry caption;
    QString title;
    std::optional<QFont> titleFont; // none: no title drawn
    const QImage* icon = nullptr;   // at the caption icon's size, or none
    QRgb background = 0xFFF8F8F8;
};

void PaintFrame(QPainter& painter, const FrameContent& content, const FrameLook& look);
void PaintCloseButton(QPainter& painter, const QRect& square, bool active, CloseButtonState state);
