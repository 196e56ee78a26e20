#include "app/editor/editor_tools.h"

#include <QEvent>
#include <QTextBlock>

#include "app/editor/bracket_match.h"
#include "app/editor/calc_highlighter.h"
#include "app/editor/calc_view.h"
#include "app/editor/completion_popup.h"
#include "app/editor/editor_marks.h"
#include "app/editor/find_bar.h"
#include "app/preferences/preferences.h"

namespace {

// How many lines on either side of the caret a bracket's partner is looked for in;
// statements are short, and the limit keeps a caret move cheap in a long text.
constexpr int kBracketSearchLines = 100;

QTextEdit::ExtraSelection CharacterMark(QTextDocument* document, int position,
                                        const QTextCharFormat& format) {
    QTextEdit::ExtraSelection mark;
    mark.format = format;
    mark.cursor = QTextCursor(document);
    mark.cursor.setPosition(position);
    mark.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return mark;
}

} // namespace

EditorTools::EditorTools(CCalcView& view)
    : QObject(&view), view_(view), highlighter_(new CCalcHighlighter(view.document())),
      marks_(std::make_unique<EditorMarks>(view)), completion_(new CompletionPopup(view)),
      findBar_(new CFindBar(view, *marks_)) {
    highlighter_->SetPalette(view_.palette());
    connect(&view_, &QPlainTextEdit::cursorPositionChanged, this, &EditorTools::MarkBrackets);
    connect(findBar_, &CFindBar::opening, completion_, &CompletionPopup::Close);
    view_.installEventFilter(this);
}

EditorTools::~EditorTools() = default;

void EditorTools::ApplyPreferences(const Preferences& preferences) {
    highlighter_->SetEnabled(preferences.syntaxHighlighting != 0);
}

bool EditorTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::PaletteChange) {
        highlighter_->SetPalette(view_.palette());
        MarkBrackets();
    }
    return QObject::eventFilter(watched, event);
}

void EditorTools::MarkBrackets() {
    const QTextCursor cursor = view_.textCursor();
    QList<QTextEdit::ExtraSelection> marks;
    if (!cursor.hasSelection()) {
        QTextBlock first = cursor.block();
        for (int i = 0; i < kBracketSearchLines && first.previous().isValid(); ++i)
            first = first.previous();
        QString window;
        QTextBlock block = first;
        for (int i = 0; block.isValid() && i <= 2 * kBracketSearchLines; ++i, block = block.next()) {
            if (block != first)
                window += u'\n';
            window += block.text();
        }
        const int origin = first.position();
        if (const auto pair =
                MatchBracketAt(window, first.previous().userState(), cursor.position() - origin)) {
            const MarkFormats formats = EditorMarkFormats(view_.palette());
            const bool matched = pair->partner >= 0;
            const QTextCharFormat& format = matched ? formats.matchedBracket : formats.unmatchedBracket;
            marks << CharacterMark(view_.document(), origin + static_cast<int>(pair->bracket), format);
            if (matched)
                marks << CharacterMark(view_.document(), origin + static_cast<int>(pair->partner), format);
        }
    }
    marks_->Set(MarkSource::Brackets, marks);
}
