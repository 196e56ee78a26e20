#include "app/editor/calc_view.h"

#include <QAbstractUndoItem>
#include <QApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>

#include "app/editor/completion_popup.h"
#include "app/editor/editor_tools.h"
#include "app/editor/text_edits.h"
#include "app/editor/text_offsets.h"
#include "app/settings/settings_int.h"
#include "ui/resources/bundled_fonts.h"

namespace {

QString FirstLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

// Not the log's pure red, so that the mark and the log's error rows can be told apart.
const QColor kFailedStatementColour(230, 0, 0);

// The undo history joins an insertion to the typing that follows it unless something else
// comes last in its step: this item, which does nothing either way.
class StepEnd final : public QAbstractUndoItem {
  public:
    void undo() override {}
    void redo() override {}
};

// Tab stops every 32 dialog units: eight average characters of the dialog font.
qreal TabStopDistance() {
    return 8.0 * QFontMetricsF(QApplication::font()).averageCharWidth();
}

} // namespace

EditorFontSettings ReadEditorFontSettings(QSettings& settings) {
    EditorFontSettings result;
    result.face = settings.value(QStringLiteral("GUI/Editor/FontFace"), kDefaultEditorFace).toString();
    result.weight = ReadSettingsInt(settings, QStringLiteral("GUI/Editor/FontWeight"), 400);
    result.italic = ReadSettingsInt(settings, QStringLiteral("GUI/Editor/FontItalic"), 0) != 0;
    return result;
}

CCalcView::CCalcView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("Editor"));
    setAccessibleName(QStringLiteral("Calculation editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabStopDistance(TabStopDistance());
    setFrameShape(QFrame::NoFrame);
    // The document notices user edits only; text set by the program is silent.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed == 0 && added == 0)
            return;
        ++edits_;
        // Later, not here: the document may still be walking its cursors, the marks' among them.
        if (!tools_->Marks().Marks(MarkSource::Error).isEmpty())
            QMetaObject::invokeMethod(
                this, [this, edit = edits_] { ClearFailedStatementMark(edit); }, Qt::QueuedConnection);
        if (!settingText_)
            emit edited();
    });
    tools_ = new EditorTools(*this);
}

void CCalcView::BuildEditorFont(const EditorFontSettings& settings, int pointSize) {
    fontSize_ = pointSize;
    // A blank face names no font: like any face that is not installed, it gives way to the
    // bundled face, and the size, weight and slant still hold.
    const QString face = settings.face.trimmed();
    QFont font = MonospacedFont(face.isEmpty() ? kDefaultEditorFace : face, fontSize_);
    // Weight 0 asks for no particular weight, which is the normal one.
    const int weight = settings.weight == 0 ? 400 : settings.weight;
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(settings.italic);
    ApplyFont(font);
}

void CCalcView::ChangeFontSize(int pointSize) {
    if (pointSize == fontSize_)
        return;
    fontSize_ = pointSize;
    QFont font = this->font();
    font.setPointSize(pointSize);
    ApplyFont(font);
}

void CCalcView::ApplyFont(const QFont& font) {
    setFont(font);
    ++fontBuilds_;
    viewport()->update();
}

QString CCalcView::RawText() const {
    return document()->toRawText();
}

std::u16string CCalcView::DocumentText() const {
    return DocumentTextFromRaw(RawText());
}

void CCalcView::SetDocumentText(std::u16string_view text) {
    settingText_ = true;
    setPlainText(WidgetTextFromDocument(text));
    settingText_ = false;
}

void CCalcView::ReplaceTextByEdits(std::u16string_view text) {
    const std::vector<TextEdit> edits = EditsBetween(DocumentText(), text);
    if (edits.empty())
        return;
    std::vector<int> offsets;
    offsets.reserve(edits.size() * 2);
    for (const TextEdit& edit : edits)
        offsets.insert(offsets.end(), {edit.start, edit.end});
    const std::vector<int> positions = WidgetPositionsFromDocument(RawText(), offsets);
    settingText_ = true;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    // From the last edit back, so the positions of those before stay valid.
    for (std::size_t i = edits.size(); i-- > 0;) {
        cursor.setPosition(positions[2 * i]);
        cursor.setPosition(positions[2 * i + 1], QTextCursor::KeepAnchor);
        cursor.insertText(WidgetTextFromDocument(edits[i].replacement));
    }
    document()->appendUndoItem(new StepEnd);
    cursor.endEditBlock();
    settingText_ = false;
}

bool CCalcView::IsEmpty() const {
    return document()->isEmpty();
}

std::pair<int, int> CCalcView::Selection() const {
    const QString raw = RawText();
    const QTextCursor cursor = textCursor();
    return {DocumentOffsetFromWidget(raw, cursor.selectionStart()),
            DocumentOffsetFromWidget(raw, cursor.selectionEnd())};
}

void CCalcView::SetSelection(int start, int end) {
    const QString raw = RawText();
    QTextCursor cursor(document());
    cursor.setPosition(WidgetPositionFromDocument(raw, start));
    cursor.setPosition(WidgetPositionFromDocument(raw, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CCalcView::ScrollCaretIntoView() {
    ensureCursorVisible();
}

void CCalcView::ReplaceSelection(const QString& text) {
    QTextCursor cursor = textCursor();
    // A step of its own, never merged with the typing or the insertions beside it.
    cursor.beginEditBlock();
    cursor.insertText(text);
    document()->appendUndoItem(new StepEnd);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CCalcView::DeleteSelection() {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

void CCalcView::MarkFailedStatement(int start, int length) {
    if (length <= 0)
        return;
    const QString raw = RawText();
    const int offsets[] = {start, start + length};
    const std::vector<int> positions = WidgetPositionsFromDocument(raw, offsets);
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(document());
    mark.cursor.setPosition(positions[0]);
    mark.cursor.setPosition(positions[1], QTextCursor::KeepAnchor);
    mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark.format.setUnderlineColor(kFailedStatementColour);
    markedAfterEdit_ = edits_;
    tools_->Marks().Set(MarkSource::Error, {mark});
}

void CCalcView::ClearFailedStatementMark(quint64 edit) {
    // A mark made after that edit stays.
    if (edit > markedAfterEdit_)
        tools_->Marks().Set(MarkSource::Error, {});
}

int CCalcView::RoomForInput(const QTextCursor& cursor) const {
    // A line break is one position here and two code units in the document.
    const QTextDocument* text = document();
    const int length = text->characterCount() - 1 + text->blockCount() - 1;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const int selected =
        end - start + text->findBlock(end).blockNumber() - text->findBlock(start).blockNumber();
    return std::max(0, kTypedInputLimit - (length - selected));
}

bool CCalcView::InsertWithinLimit(QTextCursor& cursor, const QString& text) {
    if (text.size() > RoomForInput(cursor)) {
        ReportInputLimit();
        return false;
    }
    cursor.insertText(text);
    return true;
}

void CCalcView::ReportInputLimit() {
    QApplication::beep();
    emit statusMessage(
        QStringLiteral("The text has reached its limit of 1,048,575 characters: the rest was not inserted"));
}

void CCalcView::keyPressEvent(QKeyEvent* event) {
    // The open completion list takes these keys itself.
    if (tools_->Completion().TakesKey(event)) {
        event->ignore();
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (lineBreak && (event->modifiers() & Qt::ShiftModifier)) {
        // A soft line break would not survive in the file: make it an ordinary one.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
        keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    const QString typed = event->text();
    const int needed = lineBreak ? 2 : static_cast<int>(typed.size());
    const bool inserts =
        lineBreak || (!typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0) == QLatin1Char('\t')));
    if (inserts && !isReadOnly() && needed > RoomForInput()) {
        ReportInputLimit();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    tools_->Completion().AfterKey(event);
}

void CCalcView::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const int room = RoomForInput();
    if (commit.size() > room) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(commit.left(room), event->replacementStart(), event->replacementLength());
        ReportInputLimit();
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool CCalcView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() && FirstLocalFile(source).isEmpty();
}

void CCalcView::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString text = source->text();
    // Cut the pasted text to what fits, the way the limit cuts typing; a break counts two.
    const int room = RoomForInput();
    int counted = 0;
    qsizetype keep = 0;
    for (; keep < text.size(); ++keep) {
        const QChar c = text[keep];
        int width = 1;
        if (c == QLatin1Char('\r') && keep + 1 < text.size() && text[keep + 1] == QLatin1Char('\n'))
            width = 0; // the LF that follows carries the break
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
                 c == QChar::ParagraphSeparator)
            width = 2;
        if (counted + width > room)
            break;
        counted += width;
    }
    if (keep < text.size()) {
        ReportInputLimit();
        text.truncate(keep);
    }
    textCursor().insertText(WidgetTextFromDocument(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()))));
}

void CCalcView::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void CCalcView::dragMoveEvent(QDragMoveEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void CCalcView::dropEvent(QDropEvent* event) {
    const QString path = FirstLocalFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        emit fileDropped(path);
        return;
    }
    QPlainTextEdit::dropEvent(event);
}
