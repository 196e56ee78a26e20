#include "app/editor/extra_selections.h"

namespace {

bool SameSelections(const QList<QTextEdit::ExtraSelection>& a, const QList<QTextEdit::ExtraSelection>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].cursor != b[i].cursor || a[i].format != b[i].format)
            return false;
    }
    return true;
}

} // namespace

bool ExtraSelectionSet::Set(ExtraSelectionSource source, QList<QTextEdit::ExtraSelection> selections) {
    QList<QTextEdit::ExtraSelection>& held = sources_[static_cast<std::size_t>(source)];
    if (SameSelections(held, selections))
        return false;
    held = std::move(selections);
    return true;
}

const QList<QTextEdit::ExtraSelection>& ExtraSelectionSet::Of(ExtraSelectionSource source) const {
    return sources_[static_cast<std::size_t>(source)];
}

QList<QTextEdit::ExtraSelection> ExtraSelectionSet::Union() const {
    QList<QTextEdit::ExtraSelection> all;
    for (const QList<QTextEdit::ExtraSelection>& selections : sources_)
        all += selections;
    return all;
}
