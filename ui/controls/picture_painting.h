#pragma once
// Painter settings and the text with a light halo, shared by the styled controls and
// dialogs.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

class QPainter;

// Anti-aliased shapes and text, smooth image scaling, source-over blending.
void SetPictureHints(QPainter& painter);

// The four positions of a halo around text: beside it, or on its diagonals.
enum class HaloSpread { Sides, Diagonals };

struct HaloText {
    QString text;
    QFont font;
    QRgb halo; // ARGB
    QRgb ink;  // ARGB
    int flags; // Qt::AlignmentFlag and Qt::TextFlag bits
    HaloSpread spread = HaloSpread::Sides;
    QPoint inkShift = {}; // the final copy only, as when a button is pressed
};

// The text four times in the halo colour moved one pixel each way, then once in its ink.
void DrawHaloText(QPainter& painter, const QRect& rect, const HaloText& text);

std::array<QPoint, 4> HaloOffsets(HaloSpread spread);
