#include "app/editor/editor_marks.h"

#include <QPlainTextEdit>

void EditorMarks::Set(MarkSource source, QList<QTextEdit::ExtraSelection> marks) {
    sources_[static_cast<size_t>(source)] = std::move(marks);
    QList<QTextEdit::ExtraSelection> all;
    for (const auto& each : sources_)
        all += each;
    editor_.setExtraSelections(all);
}

const QList<QTextEdit::ExtraSelection>& EditorMarks::Marks(MarkSource source) const {
    return sources_[static_cast<size_t>(source)];
}
