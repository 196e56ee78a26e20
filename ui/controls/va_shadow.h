#pragma once
// The soft drop shadow around a dialog: the shadow picture cut into nine pieces, the
// corners scaled to the margins and the 4-pixel middle stretched along the edges.

#include <QRect>
#include <QSize>

#include <array>

class QImage;
class QPainter;

struct ShadowPiece {
    QRect target; // in the shadow's area
    QRect source; // in the picture
};

// area: W x H; margins: mx, my; pictureSize: S of the square picture. Corners, edges, centre.
std::array<ShadowPiece, 9> ShadowPieces(QSize area, QSize margins, int pictureSize);

// Draws the nine pieces into the area; false when the picture is missing.
bool DrawShadow(QPainter& painter, const QRect& area, QSize margins, const QImage& picture);
