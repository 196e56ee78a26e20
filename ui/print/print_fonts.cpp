#include "ui/print/print_fonts.h"

#include <algorithm>
#include <cmath>

#include "ui/print/page_geometry.h"

namespace {

QFont FontAtPixels(const PrintFont& font, int pixels) {
    QFont made(font.face);
    made.setPixelSize(std::max(pixels, 1));
    made.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    made.setItalic(font.italic);
    made.setUnderline(false);
    made.setStrikeOut(false);
    made.setStyleStrategy(QFont::PreferAntialias);
    return made;
}

} // namespace

std::optional<QFont> PrinterFont(const PrintFont& font, int dpiY) {
    if (font.face.trimmed().isEmpty() || font.size <= 0)
        return std::nullopt;
    return FontAtPixels(font, MulDiv(font.size, dpiY, 72));
}

QFont ScreenFont(const PrintFont& font, int dpiY) {
    return FontAtPixels(font, MulDiv(std::max(font.size, 1), dpiY, 72));
}

PrintFont PrintFontFromChosen(const QFont& chosen, int dpiY) {
    PrintFont font;
    font.face = chosen.family();
    const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize() : MulDiv(chosen.pointSize(), dpiY, 72);
    font.size = std::abs(MulDiv(pixels, 72, dpiY));
    font.weight = chosen.weight();
    font.italic = chosen.italic();
    return font;
}
