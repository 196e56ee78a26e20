#include "app/editor/text_offsets.h"

namespace {

bool IsBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

std::u16string DocumentTextFromRaw(const QString& raw) {
    std::u16string text;
    text.reserve(static_cast<size_t>(raw.size()) + static_cast<size_t>(raw.size() / 16));
    for (QChar c : raw) {
        if (IsBreak(c))
            text += u"\r\n";
        else
            text += static_cast<char16_t>(c.unicode());
    }
    return text;
}

QString WidgetTextFromDocument(std::u16string_view text) {
    QString plain;
    plain.reserve(static_cast<qsizetype>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            plain += QLatin1Char('\n');
        } else if (c == u'\n' || c == u'\u2028' || c == u'\u2029') {
            plain += QLatin1Char('\n');
        } else {
            plain += QChar(c);
        }
    }
    return plain;
}

int DocumentOffsetFromWidget(const QString& raw, int position) {
    const int end = std::min<int>(std::max(position, 0), static_cast<int>(raw.size()));
    int offset = end;
    for (int i = 0; i < end; ++i) {
        if (IsBreak(raw[i]))
            ++offset;
    }
    return offset;
}

int WidgetPositionFromDocument(const QString& raw, int offset) {
    int counted = 0;
    for (int i = 0; i < raw.size(); ++i) {
        if (counted >= offset)
            return i;
        counted += IsBreak(raw[i]) ? 2 : 1;
    }
    return static_cast<int>(raw.size());
}

std::vector<int> WidgetPositionsFromDocument(const QString& raw, std::span<const int> ascendingOffsets) {
    std::vector<int> positions;
    positions.reserve(ascendingOffsets.size());
    int counted = 0;
    int i = 0;
    for (int offset : ascendingOffsets) {
        while (i < raw.size() && counted < offset)
            counted += IsBreak(raw[i++]) ? 2 : 1;
        positions.push_back(i);
    }
    return positions;
}

int DocumentLength(const QString& raw) {
    return DocumentOffsetFromWidget(raw, static_cast<int>(raw.size()));
}

int PreviousCharacterOffset(const QString& raw, int offset) {
    int position = WidgetPositionFromDocument(raw, offset);
    if (position == 0)
        return 0;
    --position;
    if (position > 0 && raw[position].isLowSurrogate() && raw[position - 1].isHighSurrogate())
        --position;
    return DocumentOffsetFromWidget(raw, position);
}
