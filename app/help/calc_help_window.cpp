#include "app/help/calc_help_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help/help_content.h"
#include "app/help/help_search.h"
#include "app/mainframe/dpi.h"

namespace {

const QString kGeometryKey = QStringLiteral("GUI/Help/Geometry");
const QString kTitle = QStringLiteral("Vantor Calculator Help");
constexpr int kTargetRole = Qt::UserRole;

const char* const kPageStyle = R"(
h1 { font-size: x-large; color: #1d3a5f; }
h2 { font-size: large; color: #1d3a5f; }
h3 { color: #1d3a5f; }
code { font-family: "Roboto Mono", "DejaVu Sans Mono", monospace; color: #3a3a3a; }
pre { font-family: "Roboto Mono", "DejaVu Sans Mono", monospace; }
table.grid { border-color: #c8d0da; border-style: solid; border-collapse: collapse; }
table.grid th { background-color: #e6ebf1; text-align: left; }
table.example { margin-top: 4px; margin-bottom: 8px; }
td.text { background-color: #f2f4f7; }
td.note { color: #5a6270; font-size: small; }
td.log { background-color: #fbfbfb; font-size: small; }
span.error { color: #d00000; font-weight: bold; }
span.caret { color: #d00000; font-weight: bold; }
span.warning { color: #0000d0; font-weight: bold; }
a { color: #1a5fb4; text-decoration: none; }
)";

QListWidget* NamedList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(name);
    return list;
}

QLineEdit* NamedField(const QString& name, const QString& placeholder, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(name);
    field->setPlaceholderText(placeholder);
    field->setClearButtonEnabled(true);
    return field;
}

QToolButton* NamedButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CCalcHelpWindow::CCalcHelpWindow(const HelpContent& content, QWidget* parent)
    : QWidget(parent, Qt::Window), content_(content) {
    setObjectName(QStringLiteral("Help"));
    setAccessibleName(QStringLiteral("Help"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));

    auto* left = new QWidget(this);
    searchBox_ = NamedField(QStringLiteral("Search the help"), QStringLiteral("Search the help"), left);
    tabs_ = new QTabWidget(left);
    contents_ = new QTreeWidget(tabs_);
    contents_->setObjectName(QStringLiteral("Help contents"));
    contents_->setAccessibleName(QStringLiteral("Help contents"));
    contents_->setHeaderHidden(true);
    auto* indexPage = new QWidget(tabs_);
    indexFilter_ = NamedField(QStringLiteral("Find a name"), QStringLiteral("Type a name"), indexPage);
    index_ = NamedList(QStringLiteral("Help index"), indexPage);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);
    results_ = NamedList(QStringLiteral("Search results"), tabs_);
    tabs_->addTab(contents_, QStringLiteral("Contents"));
    tabs_->addTab(indexPage, QStringLiteral("Index"));
    tabs_->addTab(results_, QStringLiteral("Search"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(searchBox_);
    leftLayout->addWidget(tabs_);

    auto* right = new QWidget(this);
    back_ = NamedButton(QStringLiteral("\u25C0 Back"), QStringLiteral("Back"), right);
    forward_ = NamedButton(QStringLiteral("Forward \u25B6"), QStringLiteral("Forward"), right);
    browser_ = new QTextBrowser(right);
    browser_->setObjectName(QStringLiteral("Help page"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenLinks(false);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ScaledPixels(270, this), ScaledPixels(590, this)});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(ScaledPixels(6, this), ScaledPixels(6, this), ScaledPixels(6, this),
                               ScaledPixels(6, this));
    layout->addWidget(splitter);

    FillContents();
    FillIndex({});
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Navigate(item->data(0, kTargetRole).toString(), true); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { Navigate(item->data(0, kTargetRole).toString(), true); });
    connect(indexFilter_, &QLineEdit::textChanged, this, &CCalcHelpWindow::FillIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this] { OpenListedTarget(index_); });
    connect(index_, &QListWidget::itemActivated, this, [this] { OpenListedTarget(index_); });
    connect(index_, &QListWidget::itemClicked, this, [this] { OpenListedTarget(index_); });
    connect(searchBox_, &QLineEdit::textChanged, this, &CCalcHelpWindow::Search);
    connect(searchBox_, &QLineEdit::returnPressed, this, [this] { OpenListedTarget(results_); });
    connect(results_, &QListWidget::itemActivated, this, [this] { OpenListedTarget(results_); });
    connect(results_, &QListWidget::itemClicked, this, [this] { OpenListedTarget(results_); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &CCalcHelpWindow::FollowLink);
    connect(back_, &QToolButton::clicked, this, [this] { GoBack(1); });
    connect(forward_, &QToolButton::clicked, this, [this] { GoBack(-1); });

    resize(ScaledPixels(880, this), ScaledPixels(640, this));
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());
}

void CCalcHelpWindow::Show(const QString& target, int notation) {
    notation_ = notation;
    current_.clear(); // a changed notation shows the page again
    Navigate(target, true);
    show();
    raise();
    activateWindow();
    searchBox_->setFocus();
}

void CCalcHelpWindow::hideEvent(QHideEvent* event) {
    QSettings().setValue(kGeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

void CCalcHelpWindow::Navigate(const QString& target, bool remember) {
    HelpTarget place = SplitTarget(target);
    const HelpPage* page = content_.Page(place.page, notation_);
    if (page == nullptr && !content_.Contents().isEmpty()) {
        place = SplitTarget(content_.Contents().front().target);
        page = content_.Page(place.page, notation_);
    }
    if (page == nullptr)
        return;
    const QString resolved = place.anchor.isEmpty() ? place.page : place.page + u'#' + place.anchor;
    if (SplitTarget(current_).page != place.page)
        browser_->setHtml(page->html);
    if (place.anchor.isEmpty())
        browser_->verticalScrollBar()->setValue(0);
    else
        browser_->scrollToAnchor(place.anchor);
    current_ = resolved;
    setWindowTitle(kTitle + QStringLiteral(" \u2014 ") + page->title);
    if (remember && (historyAt_ < 0 || history_[historyAt_] != resolved)) {
        history_.resize(historyAt_ + 1);
        history_ << resolved;
        historyAt_ = history_.size() - 1;
    }
    back_->setEnabled(historyAt_ > 0);
    forward_->setEnabled(historyAt_ + 1 < history_.size());
    SelectInContents(resolved);
}

void CCalcHelpWindow::FollowLink(const QUrl& url) {
    const QString page = url.path().isEmpty() ? SplitTarget(current_).page : url.path();
    Navigate(url.hasFragment() ? page + u'#' + url.fragment() : page, true);
}

void CCalcHelpWindow::GoBack(int step) {
    const qsizetype to = historyAt_ - step;
    if (to < 0 || to >= history_.size())
        return;
    historyAt_ = to;
    Navigate(history_[to], false);
}

void CCalcHelpWindow::FillContents() {
    // The last item of each level so far: an entry hangs under the one a level up.
    QList<QTreeWidgetItem*> open;
    for (const HelpContentsEntry& entry : content_.Contents()) {
        const qsizetype depth = qBound(qsizetype{0}, qsizetype{entry.level - 1}, open.size());
        auto* item = depth == 0 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(open[depth - 1]);
        item->setText(0, entry.title);
        item->setData(0, kTargetRole, entry.target);
        open.resize(depth);
        open << item;
    }
}

void CCalcHelpWindow::SelectInContents(const QString& target) {
    const QString page = SplitTarget(target).page;
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QString itemTarget = (*it)->data(0, kTargetRole).toString();
        if (itemTarget == target) {
            best = *it;
            break;
        }
        if (best == nullptr && itemTarget == page)
            best = *it;
    }
    if (best != nullptr) {
        contents_->setCurrentItem(best);
        contents_->scrollToItem(best);
    }
}

void CCalcHelpWindow::FillIndex(const QString& typed) {
    index_->clear();
    const QList<HelpIndexEntry>& entries = content_.Index();
    for (qsizetype position : MatchingIndexEntries(entries, typed)) {
        auto* item = new QListWidgetItem(entries[position].name, index_);
        item->setData(kTargetRole, entries[position].target);
    }
    if (index_->count() > 0)
        index_->setCurrentRow(0);
}

void CCalcHelpWindow::Search(const QString& query) {
    results_->clear();
    for (const HelpSearchHit& hit : SearchHelp(content_.SearchTexts(), query)) {
        const HelpPage* page = content_.Page(hit.pageId, notation_);
        auto* item = new QListWidgetItem(page != nullptr ? page->title : hit.title, results_);
        item->setData(kTargetRole, hit.pageId);
    }
    if (results_->count() > 0)
        results_->setCurrentRow(0);
    if (!query.trimmed().isEmpty())
        tabs_->setCurrentWidget(results_);
}

void CCalcHelpWindow::OpenListedTarget(QListWidget* list) {
    if (QListWidgetItem* item = list->currentItem())
        Navigate(item->data(kTargetRole).toString(), true);
}
