#include "app/editor/highlight_colours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// One hue per class: from a middle lightness, darker on a light background and lighter on a
// dark one until it stands out from it as well as body text should.
QColor Tone(int hue, double saturation, const QColor& base) {
    constexpr double kLegible = 4.5;
    const bool dark = base.lightnessF() < 0.5;
    double lightness = dark ? 0.62 : 0.45;
    QColor colour = QColor::fromHslF(hue / 360.0, saturation, lightness);
    while (ContrastRatio(colour, base) < kLegible && lightness > 0.02 && lightness < 0.98) {
        lightness += dark ? 0.02 : -0.02;
        colour = QColor::fromHslF(hue / 360.0, saturation, lightness);
    }
    return colour;
}

// `share` of a over b.
QColor Mix(const QColor& a, const QColor& b, double share) {
    const auto part = [share](double x, double y) { return x * share + y * (1.0 - share); };
    return QColor::fromRgbF(static_cast<float>(part(a.redF(), b.redF())),
                            static_cast<float>(part(a.greenF(), b.greenF())),
                            static_cast<float>(part(a.blueF(), b.blueF())));
}

QTextCharFormat Coloured(const QColor& colour, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (italic)
        format.setFontItalic(true);
    return format;
}

double Luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

TokenFormats HighlightFormats(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    TokenFormats formats;
    formats[static_cast<int>(TokenClass::Number)] = Coloured(Tone(25, 0.85, base));
    formats[static_cast<int>(TokenClass::Function)] = Coloured(Tone(215, 0.8, base));
    formats[static_cast<int>(TokenClass::Constant)] = Coloured(Tone(285, 0.6, base));
    formats[static_cast<int>(TokenClass::PreviousResult)] = Coloured(Tone(180, 0.9, base));
    formats[static_cast<int>(TokenClass::MemoryCell)] = Coloured(Tone(130, 0.7, base));
    formats[static_cast<int>(TokenClass::UnknownName)] = Coloured(text, true);
    formats[static_cast<int>(TokenClass::Comment)] = Coloured(Mix(Tone(100, 0.25, base), base, 0.8), true);
    // Written back, not typed: dimmed towards the background, still legible.
    formats[static_cast<int>(TokenClass::WrittenResult)] = Coloured(Mix(text, base, 0.55));
    return formats;
}

MarkFormats EditorMarkFormats(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    MarkFormats marks;
    marks.matchedBracket.setBackground(Mix(Tone(130, 0.6, base), base, 0.35));
    marks.matchedBracket.setFontWeight(QFont::Bold);
    marks.unmatchedBracket.setBackground(Mix(Tone(0, 0.8, base), base, 0.4));
    marks.unmatchedBracket.setFontWeight(QFont::Bold);
    marks.findMatch.setBackground(Mix(Tone(50, 0.95, base), base, 0.45));
    return marks;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
