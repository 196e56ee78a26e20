#pragma once
// The outlines of the styled buttons for a W x H client rectangle: ten nested rings, each
// one pixel inside the previous, and the glossy highlight in the upper half. The capsule
// button's rings are capsules, the picture button's are ellipses. Coordinates are those
// of pixel centres: paint them through a painter moved by half a pixel.

#include <QPainterPath>
#include <QPoint>
#include <QSize>

#include <array>

inline constexpr int kRingCount = 10;

struct ButtonOutlines {
    std::array<QPainterPath, kRingCount> rings;
    QPainterPath highlight;
};

enum class ButtonShape { Capsule, Round };

ButtonOutlines CapsuleOutlines(QSize size);
ButtonOutlines RoundOutlines(QSize size);
ButtonOutlines OutlinesOf(ButtonShape shape, QSize size);

// Whether a point of the client rectangle lies in the part that answers the pointer:
// the capsule 3 pixels inside it, or the ellipse in the rectangle (3, 3, W - 3, H - 3).
bool InRoundRegion(QPoint point, QSize size);
bool InButtonRegion(ButtonShape shape, QPoint point, QSize size);
