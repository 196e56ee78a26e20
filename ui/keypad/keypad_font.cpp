#include "ui/keypad/keypad_font.h"

#include <QFontMetricsF>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kLongestFace = 31;
constexpr int kLargestHeight = 1000;
constexpr int kHeaviest = 1000;

} // namespace

KeypadFontDescription DefaultKeypadFont(int dpiY) {
    return {-static_cast<int>(std::lround(11.0 * dpiY / 72)), 800, false, QStringLiteral("Arial")};
}

bool IsCreatableFont(const KeypadFontDescription& description) {
    const int height = std::abs(description.height);
    return !description.face.isEmpty() && description.face.size() <= kLongestFace && height >= 1 &&
           height <= kLargestHeight && description.weight >= 0 && description.weight <= kHeaviest;
}

QFont MakeKeypadFont(const KeypadFontDescription& description) {
    QFont font(description.face);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(description.weight == 0 ? 400 : description.weight));
    font.setItalic(description.italic);
    if (description.height < 0) {
        font.setPixelSize(-description.height);
    } else {
        // A positive height is the whole cell: scale the character height to fill it.
        font.setPixelSize(description.height);
        const double cell = QFontMetricsF(font).height();
        if (cell > 0)
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(description.height * description.height / cell))));
    }
    return font;
}

KeypadFontDescription DescribeFont(const QFont& font, int dpiY) {
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpiY / 72;
    return {-static_cast<int>(std::lround(pixels)), font.weight(), font.italic(), font.family()};
}

KeypadFontMarks MarksOf(const KeypadFontDescription& font, const KeypadFontDescription& defaultFont,
                        const KeypadFontDescription& systemFont) {
    if (font == defaultFont)
        return {false, true};
    return {font == systemFont, false};
}
