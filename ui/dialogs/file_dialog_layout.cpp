#include "ui/dialogs/file_dialog_layout.h"

#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>
#include <numeric>

namespace {

constexpr int kNameCharacters = 36;
constexpr int kListRows = 24;

int Widest(const QFontMetrics& metrics, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// The type texts of the files the filters show, and of a folder.
QStringList TypeNamesFor(const QStringList& nameFilters) {
    const QMimeDatabase mimes;
    QStringList names{mimes.mimeTypeForName(QStringLiteral("inode/directory")).comment()};
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    for (const QString& filter : nameFilters) {
        for (const QRegularExpressionMatch& match : pattern.globalMatch(filter)) {
            const QString sample = QStringLiteral("x.") + match.captured(1);
            names << mimes.mimeTypeForFile(sample, QMimeDatabase::MatchExtension).comment();
        }
    }
    names << mimes.mimeTypeForName(QStringLiteral("text/plain")).comment();
    return names;
}

QString SampleDate() {
    // Two-digit day and month and a late hour: as wide as a date gets.
    const QDateTime late(QDate(2028, 12, 28), QTime(23, 58, 58));
    return std::max(QLocale::system().toString(late, QLocale::ShortFormat),
                    QLocale().toString(late, QLocale::ShortFormat),
                    [](const QString& a, const QString& b) { return a.size() < b.size(); });
}

// The list's width is known once the dialog is laid out, just before it shows: then the
// dialog grows by what the columns lack, about its centre, and the name column takes
// what is left.
class ListWidener : public QObject {
  public:
    ListWidener(QFileDialog& dialog, QTreeView& list, FileColumnWidths widths, int lineSpacing)
        : QObject(&dialog), dialog_(dialog), list_(list), widths_(widths), lineSpacing_(lineSpacing) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &dialog_ || event->type() != QEvent::Show)
            return false;
        const int scrollBar = list_.verticalScrollBar()->sizeHint().width();
        const int columns = std::accumulate(widths_.begin(), widths_.end(), 0);
        const QRect screen = dialog_.screen()->availableGeometry();
        const QRect before = dialog_.geometry();
        QRect after(before.topLeft(),
                    FileDialogSize(before.size(), columns + scrollBar - list_.viewport()->width(),
                                   lineSpacing_, screen.size() * 9 / 10));
        after.moveCenter(before.center());
        after.moveTop(std::max(after.top(), screen.top()));
        after.moveLeft(std::max(after.left(), screen.left()));
        // The list takes all the width the dialog gains (see the splitter's stretch).
        const int listWidth = list_.viewport()->width() + after.width() - before.width() - scrollBar;
        list_.header()->resizeSection(0, NameColumnWidth(widths_, listWidth, widths_[0] * 2 / 3));
        dialog_.setGeometry(after);
        deleteLater();
        return false;
    }

  private:
    QFileDialog& dialog_;
    QTreeView& list_;
    FileColumnWidths widths_;
    int lineSpacing_;
};

} // namespace

FileColumnWidths FileColumnWidthsFor(const QFontMetrics& metrics, const QStringList& typeNames,
                                     const QString& sampleDate) {
    // Room for the margins and the sort arrow; the name column also holds the icon.
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('M'));
    const int icon = metrics.height() + padding / 2;
    return {kNameCharacters * metrics.averageCharWidth() + icon + padding,
            Widest(metrics, {QLocale::system().formattedDataSize(1023),
                             QLocale::system().formattedDataSize(1047552), QStringLiteral("Size")}) +
                padding,
            Widest(metrics, typeNames + QStringList{QStringLiteral("Type")}) + padding,
            Widest(metrics, {sampleDate, QStringLiteral("Date Modified")}) + padding};
}

QSize FileDialogSize(QSize size, int extraWidth, int lineSpacing, QSize available) {
    const QSize wanted(size.width() + std::max(0, extraWidth),
                       std::max(size.height(), kListRows * lineSpacing));
    return wanted.boundedTo(available);
}

int NameColumnWidth(const FileColumnWidths& wanted, int listWidth, int leastName) {
    const int others = wanted[1] + wanted[2] + wanted[3];
    return std::clamp(listWidth - others, std::min(leastName, wanted[0]), wanted[0]);
}

void FitFileDialog(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (list == nullptr)
        return; // the platform's own dialog lays itself out
    const QFontMetrics metrics(list->font());
    const FileColumnWidths widths =
        FileColumnWidthsFor(metrics, TypeNamesFor(dialog.nameFilters()), SampleDate());
    for (int column = 0; column < int(widths.size()); ++column)
        list->header()->resizeSection(column, widths[column]);
    // Width the dialog gains goes to the list, not to the places beside it.
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) {
        for (int pane = 0; pane < splitter->count(); ++pane)
            splitter->setStretchFactor(pane, splitter->widget(pane)->isAncestorOf(list) ? 1 : 0);
    }
    dialog.installEventFilter(new ListWidener(dialog, *list, widths, metrics.lineSpacing()));
}
