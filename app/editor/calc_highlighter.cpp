#include "app/editor/calc_highlighter.h"

#include <QGuiApplication>
#include <QPalette>

CCalcHighlighter::CCalcHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document), formats_(HighlightFormats(QGuiApplication::palette())) {}

void CCalcHighlighter::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    rehighlight();
}

void CCalcHighlighter::SetPalette(const QPalette& palette) {
    formats_ = HighlightFormats(palette);
    if (enabled_)
        rehighlight();
}

void CCalcHighlighter::highlightBlock(const QString& text) {
    tokens_.clear();
    setCurrentBlockState(ClassifyLine(text, previousBlockState(), tokens_));
    if (!enabled_)
        return;
    for (const Token& token : tokens_)
        setFormat(token.start, token.length, formats_[static_cast<int>(token.kind)]);
}
