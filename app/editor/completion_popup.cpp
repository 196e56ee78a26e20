#include "app/editor/completion_popup.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>

#include "app/editor/calc_view.h"
#include "app/editor/completion.h"
#include "app/editor/token_classes.h"
#include "app/preferences/preferences.h"
#include "engine/state/memory_store.h"

namespace {

constexpr int kInsertedRole = Qt::UserRole;

QStringList MemoryCellNames() {
    QStringList names;
    for (const auto& [name, cell] : NCalculatorText::memoryStore.cells)
        names << QString::fromStdU16String(name);
    return names;
}

NCalculatorText::NameNotation ChosenNotation() {
    return preferenceStore.values.notation == static_cast<std::int32_t>(Notation::East)
               ? NCalculatorText::NameNotation::East
               : NCalculatorText::NameNotation::West;
}

bool TypesText(const QKeyEvent* event) {
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

CompletionPopup::CompletionPopup(CCalcView& view)
    : QObject(&view), view_(view), completer_(new QCompleter(this)), model_(new QStandardItemModel(this)) {
    completer_->setModel(model_);
    completer_->setWidget(&view_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(10);
    completer_->popup()->setObjectName(QStringLiteral("Completion list"));
    completer_->popup()->setAccessibleName(QStringLiteral("Completion list"));
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &CompletionPopup::Insert);
}

void CompletionPopup::Close() {
    completer_->popup()->hide();
}

bool CompletionPopup::IsOpen() const {
    return completer_->popup()->isVisible();
}

QStringList CompletionPopup::ShownRows() const {
    QStringList rows;
    if (IsOpen()) {
        for (int row = 0; row < model_->rowCount(); ++row)
            rows << model_->item(row)->text();
    }
    return rows;
}

bool CompletionPopup::TakesKey(const QKeyEvent* event) const {
    if (!IsOpen())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void CompletionPopup::AfterKey(const QKeyEvent* event) {
    if (TypesText(event))
        Update(true);
    else if (IsOpen())
        Update(false);
}

void CompletionPopup::Update(bool mayOpen) {
    const QTextCursor cursor = view_.textCursor();
    const QTextBlock block = cursor.block();
    std::optional<CompletionRequest> request;
    if (!cursor.hasSelection())
        request = CompletionRequestAt(block.text(), block.previous().userState(), cursor.positionInBlock());
    const std::vector<CompletionItem> items =
        request ? CompletionItems(*request, ChosenNotation(), MemoryCellNames())
                : std::vector<CompletionItem>{};
    if (items.empty() || (!mayOpen && !IsOpen())) {
        completer_->popup()->hide();
        return;
    }
    prefixStart_ = block.position() + static_cast<int>(request->start);
    model_->clear();
    for (const CompletionItem& item : items) {
        auto* row = new QStandardItem(item.shown);
        row->setData(item.inserted, kInsertedRole);
        row->setEditable(false);
        model_->appendRow(row);
    }
    QAbstractItemView* popup = completer_->popup();
    popup->setFont(view_.font());
    QRect rect = view_.cursorRect();
    rect.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() +
                  2 * popup->frameWidth());
    completer_->complete(rect);
    // The first row is ready for Tab or Enter; nothing goes in without one of them.
    popup->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void CompletionPopup::Insert(const QModelIndex& index) {
    QString inserted = index.data(kInsertedRole).toString();
    QTextCursor cursor = view_.textCursor();
    const int caret = cursor.position();
    // An opener or closer already standing after the caret is not typed again.
    const QChar next = view_.document()->characterAt(caret);
    const QChar last = inserted.isEmpty() ? QChar() : inserted.back();
    const bool opener = last == u'(' && IsOpener(next);
    if (opener || (last != u'(' && !last.isLetterOrNumber() && next == last))
        inserted.chop(1);
    cursor.setPosition(prefixStart_);
    cursor.setPosition(caret, QTextCursor::KeepAnchor);
    if (view_.InsertWithinLimit(cursor, inserted))
        view_.setTextCursor(cursor);
}
