#include "ui/dialogs/dialog_geometry.h"

#include <algorithm>
#include <cmath>

#include "ui/dialogs/message_kinds.h"

namespace {

// Rounded up by one where the parity differs from the reference's.
int WithParityOf(int value, int reference) {
    return value % 2 == reference % 2 ? value : value + 1;
}

int CentredX(int frameWidth, int width) {
    return (frameWidth - width) / 2;
}

// Room beside the texts and buttons: 3G/8 on either side, and the 2-pixel borders.
int SideRoom(int dpiX) {
    return 2 * (3 * dpiX / 8) + 4;
}

} // namespace

CaptionGeometry CaptionGeometryFor(int dpiY) {
    const int height = (dpiY * 17 + 24) / 48;
    const int icon = WithParityOf(height * 23 / 32, height);
    const int iconOffset = (height - icon) / 2;
    return {height, QRect(iconOffset + 1, iconOffset + 2, icon, icon), WithParityOf(height / 2, height),
            (height * 10 + 16) / 32};
}

QRect CloseButtonRect(const CaptionGeometry& caption, int frameWidth) {
    const int d = caption.closeDiameter;
    const int e = (caption.height - d) / 2;
    return {frameWidth - e - d, e + 2, d, d};
}

QSize ShadowMargins(int dpiX, int dpiY) {
    return {(dpiX * 8 + 9) / 18, (dpiY * 8 + 9) / 18};
}

int ShadowDrop(QSize margins) {
    return margins.height() * 7 / 16;
}

bool InCircle(QPoint pixel, const QRect& square) {
    // Doubled coordinates make the half-pixel centres exact.
    const long long dx = 2LL * pixel.x() + 1 - (2LL * square.x() + square.width());
    const long long dy = 2LL * pixel.y() + 1 - (2LL * square.y() + square.height());
    const long long r = square.width();
    return dx * dx + dy * dy <= r * r;
}

MessageLayout LayOutMessage(const MessageLayoutInput& in) {
    const int f = in.dpiY;
    const int g = in.dpiX;
    const int h = 3 * f / 8;
    const int l = 5 * f / 16;
    const int gap = 3 * g / 16;
    const bool wide = in.kind == MessageKind::Asks || in.kind == MessageKind::Warns;
    const int k = wide ? static_cast<int>(std::lround(13 * g / 8 * 270 / 256.0)) : 13 * g / 8;
    const int imageHeight = 13 * f / 8;
    const bool twoLines = in.line2Width >= 0;

    MessageLayout out;
    int widest = 0;
    for (const QSize& button : in.buttons)
        widest = std::max(widest, button.width());
    const int n = static_cast<int>(in.buttons.size());
    out.button = QSize(widest, n > 0 ? in.buttons.front().height() : 0);
    const int row = n * widest + std::max(n - 1, 0) * gap;

    const int width = std::max({k, in.line1.width(), in.line2Width, row}) + SideRoom(g);
    const int y1 = in.captionHeight + l + imageHeight + h + 4;
    const int secondLine = twoLines ? l : 0;
    out.frame = QSize(width, y1 + secondLine + in.line1.height() + out.button.height() + h + 7 * f / 32);
    out.image = QRect(CentredX(width, k), h + in.captionHeight + 4, k, imageHeight);
    out.line1 = QPoint(CentredX(width, in.line1.width()), y1);
    out.line2 = QPoint(CentredX(width, std::max(in.line2Width, 0)), y1 + l);
    const int buttonsY = y1 + secondLine + in.line1.height() + h;
    for (int i = 0; i < n; ++i)
        out.buttons.emplace_back(CentredX(width, row) + i * (widest + gap), buttonsY);
    return out;
}

AboutLayout LayOutAbout(const AboutLayoutInput& in) {
    const int a = in.productName.height();
    const int c = in.productName.width();
    const int b = 27 * a / 16;
    const int d = 18 * c / 16;
    const int f = 14 * a / 32;
    const int y1 = 49 * a / 16 + in.captionHeight + d + 4;

    // The other lines may be wider than the product name the formula measures by.
    int widest = c;
    for (int line : in.lineWidths)
        widest = std::max(widest, line);
    const int width = std::max(7 * c / 4, widest + SideRoom(in.dpiX));

    AboutLayout out;
    out.frame = QSize(width, 4 * f + 6 * a + in.button.height() + y1 + b);
    out.logo = QRect(CentredX(width, d), b + in.captionHeight + 4, d, d);
    out.lines.emplace_back(CentredX(width, c), y1);
    for (std::size_t i = 0; i < in.lineWidths.size(); ++i)
        out.lines.emplace_back(CentredX(width, in.lineWidths[i]), y1 + static_cast<int>(i + 1) * (f + a));
    out.button = QPoint(CentredX(width, in.button.width()), y1 + 4 * f + 5 * a + b);
    return out;
}
