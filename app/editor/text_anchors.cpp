#include "app/editor/text_anchors.h"

#include <algorithm>

#include <QTextDocument>

#include "app/editor/text_offsets.h"

void TextAnchors::Reset(QTextDocument& document, std::span<const int> ascendingOffsets) {
    Clear();
    const std::vector<int> positions = WidgetPositionsFromDocument(document.toRawText(), ascendingOffsets);
    offsets_.assign(ascendingOffsets.begin(), ascendingOffsets.end());
    cursors_.reserve(positions.size());
    for (int position : positions) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursors_.push_back(cursor);
    }
}

void TextAnchors::Clear() {
    offsets_.clear();
    cursors_.clear();
}

std::optional<int> TextAnchors::Find(int offset) const {
    const auto found = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    if (found == offsets_.end() || *found != offset)
        return std::nullopt;
    const QTextCursor& cursor = cursors_[static_cast<std::size_t>(found - offsets_.begin())];
    return DocumentOffsetFromWidget(cursor.document()->toRawText(), cursor.position());
}
