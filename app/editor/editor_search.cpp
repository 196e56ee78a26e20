#include "app/editor/editor_search.h"

#include <QTextBlock>

#include "app/editor/calc_view.h"

namespace {

QString PlainText(const CCalcView& view) {
    return view.document()->toPlainText();
}

} // namespace

bool EditorSearch::Find(const FindQuery& query, FindDirection direction) {
    const QString text = PlainText(view_);
    const QTextCursor cursor = view_.textCursor();
    const qsizetype from =
        direction == FindDirection::Forward ? cursor.selectionEnd() : cursor.selectionStart();
    const std::optional<TextMatch> match = FindInText(text, query.needle, from, direction, query.sensitivity);
    if (!match)
        return false;
    QTextCursor found(view_.document());
    found.setPosition(static_cast<int>(match->start));
    found.setPosition(static_cast<int>(match->start + match->length), QTextCursor::KeepAnchor);
    view_.setTextCursor(found);
    view_.ensureCursorVisible();
    return true;
}

bool EditorSearch::ReplaceCurrent(const FindQuery& query, const QString& replacement) {
    QTextCursor cursor = view_.textCursor();
    if (IsMatchAt(PlainText(view_), query.needle, cursor.selectionStart(),
                  cursor.selectionEnd() - cursor.selectionStart(), query.sensitivity)) {
        if (!view_.InsertWithinLimit(cursor, replacement))
            return false;
        view_.setTextCursor(cursor);
    }
    return Find(query, FindDirection::Forward);
}

int EditorSearch::ReplaceAll(const FindQuery& query, const QString& replacement) {
    const std::vector<TextMatch> matches = FindAllInText(PlainText(view_), query.needle, query.sensitivity);
    if (matches.empty())
        return 0;
    const qsizetype growth =
        static_cast<qsizetype>(matches.size()) * (replacement.size() - query.needle.size());
    if (growth > view_.RoomForInput()) {
        view_.ReportInputLimit();
        return -1;
    }
    QTextCursor cursor(view_.document());
    cursor.beginEditBlock();
    for (auto match = matches.rbegin(); match != matches.rend(); ++match) {
        cursor.setPosition(static_cast<int>(match->start));
        cursor.setPosition(static_cast<int>(match->start + match->length), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    return static_cast<int>(matches.size());
}

void EditorSearch::GoToLine(int line) {
    const int last = view_.document()->blockCount();
    const QTextBlock block = view_.document()->findBlockByNumber(std::clamp(line, 1, last) - 1);
    QTextCursor cursor(block);
    view_.setTextCursor(cursor);
    view_.ensureCursorVisible();
}

QList<QTextEdit::ExtraSelection> EditorSearch::VisibleMatches(const FindQuery& query,
                                                              const QTextCharFormat& format) const {
    QList<QTextEdit::ExtraSelection> marks;
    if (query.needle.isEmpty())
        return marks;
    const QRect area = view_.viewport()->rect();
    const int first = view_.cursorForPosition(area.topLeft()).block().position();
    const QTextBlock lastBlock = view_.cursorForPosition(area.bottomRight()).block();
    const int end = lastBlock.position() + lastBlock.length();
    QTextCursor range(view_.document());
    range.setPosition(first);
    range.setPosition(std::min(end, view_.document()->characterCount() - 1), QTextCursor::KeepAnchor);
    const QString visible = range.selectedText();
    for (const TextMatch& match : FindAllInText(visible, query.needle, query.sensitivity)) {
        QTextEdit::ExtraSelection mark;
        mark.format = format;
        mark.cursor = QTextCursor(view_.document());
        mark.cursor.setPosition(first + static_cast<int>(match.start));
        mark.cursor.setPosition(first + static_cast<int>(match.start + match.length),
                                QTextCursor::KeepAnchor);
        marks << mark;
    }
    return marks;
}
