#pragma once
// The geometry of the program's own dialogs from the screen's pixels per inch: the caption,
// its icon and close button, the corners, the shadow margins, and the layouts of the message
// box and the about box. Positions are in the dialog's frame, (0, 0) at its top-left corner.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

enum class MessageKind;

struct CaptionGeometry {
    int height;        // (F x 17 + 24) / 48: 34 at 96 pixels per inch
    QRect icon;        // c = height x 23 / 32, of the height's parity; 24 at 96
    int closeDiameter; // height / 2, of the height's parity; 18 at 96
    int cornerRadius;  // (height x 10 + 16) / 32; 11 at 96
};

CaptionGeometry CaptionGeometryFor(int dpiY);
// The close button's square in a frame of the width.
QRect CloseButtonRect(const CaptionGeometry& caption, int frameWidth);
// (pixels per inch x 8 + 9) / 18 on each axis: 43 at 96.
QSize ShadowMargins(int dpiX, int dpiY);
// The shadow falls 7/16 of its vertical margin below the frame.
int ShadowDrop(QSize margins);
// Whether the pixel lies in the circle inscribed in the square, measured between pixel centres.
bool InCircle(QPoint pixel, const QRect& square);

struct MessageLayoutInput {
    int dpiX = 96;
    int dpiY = 96;
    int captionHeight = 34;
    MessageKind kind;
    QSize line1;         // w1 x h1
    int line2Width = -1; // w2, or -1 when there is one line
    std::vector<QSize> buttons = {};
};

struct MessageLayout {
    QSize frame;
    QRect image;
    QPoint line1;
    QPoint line2;
    QSize button; // every button as wide as the widest, as high as the first
    std::vector<QPoint> buttons;
};

MessageLayout LayOutMessage(const MessageLayoutInput& input);

struct AboutLayoutInput {
    int dpiX = 96;
    int captionHeight = 34;
    QSize productName;                // c x a
    std::vector<int> lineWidths = {}; // edition, version, link, notice
    QSize button = {};
};

struct AboutLayout {
    QSize frame;
    QRect logo;
    std::vector<QPoint> lines; // product name, edition, version, link, notice
    QPoint button;
};

AboutLayout LayOutAbout(const AboutLayoutInput& input);
