#include "app/editor/find_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

#include "app/editor/calc_view.h"
#include "app/editor/editor_marks.h"
#include "app/editor/highlight_colours.h"

namespace {

QLineEdit* Field(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(name);
    field->setClearButtonEnabled(true);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 24);
    return field;
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString(text).remove(u'&'));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// A row of a label and widgets, shown and hidden together.
QWidget* Group(QWidget* parent, const QString& label, std::initializer_list<QWidget*> widgets) {
    auto* group = new QWidget(parent);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(label, group);
    layout->addWidget(caption);
    for (QWidget* widget : widgets) {
        widget->setParent(group);
        layout->addWidget(widget);
    }
    if (widgets.size() != 0)
        caption->setBuddy(*widgets.begin());
    return group;
}

} // namespace

CFindBar::CFindBar(CCalcView& view, EditorMarks& marks)
    : QWidget(&view), view_(view), marks_(marks), search_(view) {
    setObjectName(QStringLiteral("FindBar"));
    setAccessibleName(QStringLiteral("Find bar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    // A child of the editor would take the editor's font; the bar is ordinary window text.
    setFont(QApplication::font());

    needle_ = Field(QStringLiteral("Find text"), this);
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("Match case"));
    QPushButton* previous = Button(QStringLiteral("&Previous"), this);
    QPushButton* next = Button(QStringLiteral("&Next"), this);
    findGroup_ = Group(this, QStringLiteral("Fin&d:"), {needle_, matchCase_, previous, next});

    replacement_ = Field(QStringLiteral("Replace text"), this);
    QPushButton* replace = Button(QStringLiteral("&Replace"), this);
    QPushButton* replaceAll = Button(QStringLiteral("Replace &all"), this);
    replaceGroup_ = Group(this, QStringLiteral("Replace &with:"), {replacement_, replace, replaceAll});

    line_ = Field(QStringLiteral("Line number"), this);
    line_->setValidator(new QIntValidator(1, CCalcView::kTypedInputLimit, line_));
    QPushButton* go = Button(QStringLiteral("&Go"), this);
    lineGroup_ = Group(this, QStringLiteral("Go to &line:"), {line_, go});

    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("Find outcome"));
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("Close find bar"));
    close->setAccessibleName(QStringLiteral("Close"));
    close->setText(QStringLiteral("\u00D7"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close (Esc)"));

    // Replace goes on a second row, so that both fields keep a useful width.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->setVerticalSpacing(3);
    layout->addWidget(findGroup_, 0, 0, Qt::AlignLeft);
    layout->addWidget(lineGroup_, 0, 0, Qt::AlignLeft);
    layout->addWidget(replaceGroup_, 1, 0, Qt::AlignLeft);
    layout->addWidget(outcome_, 0, 1);
    layout->addWidget(close, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);

    connect(needle_, &QLineEdit::returnPressed, this, [this] {
        Find((QApplication::keyboardModifiers() & Qt::ShiftModifier) ? FindDirection::Backward
                                                                     : FindDirection::Forward);
    });
    connect(needle_, &QLineEdit::textChanged, this, &CFindBar::RefreshMatches);
    connect(matchCase_, &QCheckBox::toggled, this, &CFindBar::RefreshMatches);
    connect(previous, &QPushButton::clicked, this, [this] { Find(FindDirection::Backward); });
    connect(next, &QPushButton::clicked, this, [this] { Find(FindDirection::Forward); });
    connect(replacement_, &QLineEdit::returnPressed, this, &CFindBar::Replace);
    connect(replace, &QPushButton::clicked, this, &CFindBar::Replace);
    connect(replaceAll, &QPushButton::clicked, this, &CFindBar::ReplaceAll);
    connect(line_, &QLineEdit::returnPressed, this, &CFindBar::GoToLine);
    connect(go, &QPushButton::clicked, this, &CFindBar::GoToLine);
    connect(close, &QToolButton::clicked, this, &CFindBar::Close);

    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, &CFindBar::RefreshMatches);
    connect(view_.document(), &QTextDocument::contentsChanged, this, &CFindBar::RefreshMatches);
    view_.installEventFilter(this);
    hide();
}

FindQuery CFindBar::Query() const {
    return {needle_->text(), matchCase_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive};
}

void CFindBar::Open(FindBarMode mode) {
    emit opening();
    mode_ = mode;
    findGroup_->setVisible(mode != FindBarMode::GoToLine);
    replaceGroup_->setVisible(mode == FindBarMode::Replace);
    lineGroup_->setVisible(mode == FindBarMode::GoToLine);
    outcome_->clear();
    QLineEdit* field = needle_;
    const bool hadNeedle = !needle_->text().isEmpty();
    if (mode == FindBarMode::GoToLine) {
        field = line_;
        line_->setPlaceholderText(QStringLiteral("1 to %1").arg(view_.document()->blockCount()));
        line_->clear();
    } else {
        // A selection within one line is what the user wants to find.
        const QString selected = view_.textCursor().selectedText();
        if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
            needle_->setText(selected);
        // With something to find already, Replace starts where the user types next.
        if (mode == FindBarMode::Replace && hadNeedle)
            field = replacement_;
    }
    show();
    Place();
    field->setFocus();
    field->selectAll();
    RefreshMatches();
}

void CFindBar::FindNext() {
    if (needle_->text().isEmpty()) {
        Open(FindBarMode::Find);
        return;
    }
    Find(FindDirection::Forward);
}

void CFindBar::Close() {
    hide();
    view_.SetBottomMargin(0);
    marks_.Set(MarkSource::FindMatches, {});
    view_.setFocus();
}

void CFindBar::RefreshMatches() {
    const bool searching = isVisible() && mode_ != FindBarMode::GoToLine;
    marks_.Set(MarkSource::FindMatches,
               searching ? search_.VisibleMatches(Query(), EditorMarkFormats(view_.palette()).findMatch)
                         : QList<QTextEdit::ExtraSelection>{});
}

void CFindBar::Find(FindDirection direction) {
    Say(search_.Find(Query(), direction) ? QString() : QStringLiteral("No match"));
}

void CFindBar::Replace() {
    Say(search_.ReplaceCurrent(Query(), replacement_->text()) ? QString()
                                                              : QStringLiteral("No further match"));
}

void CFindBar::ReplaceAll() {
    const int count = search_.ReplaceAll(Query(), replacement_->text());
    if (count < 0)
        Say(QStringLiteral("Nothing replaced: the text would grow past its limit"));
    else
        Say(count == 1 ? QStringLiteral("1 replaced") : QStringLiteral("%1 replaced").arg(count));
}

void CFindBar::GoToLine() {
    bool ok = false;
    const int line = line_->text().toInt(&ok);
    if (!ok) {
        Say(QStringLiteral("Enter a line number"));
        return;
    }
    search_.GoToLine(line);
    Close();
}

void CFindBar::Say(const QString& text) {
    outcome_->setText(text);
}

void CFindBar::Place() {
    const int height = sizeHint().height();
    view_.SetBottomMargin(height);
    const QRect viewport = view_.viewport()->geometry();
    setGeometry(viewport.left(), viewport.bottom() + 1, viewport.width(), height);
}

bool CFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::Resize && isVisible())
        Place();
    return QWidget::eventFilter(watched, event);
}

void CFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        Close();
    // What the fields leave (Enter after their own signal) must not type into the text behind.
    event->accept();
}
