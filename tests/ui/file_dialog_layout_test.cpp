// The file dialog's list: every column wide enough for what it shows, the dialog wide
// enough for every column, and never larger than the screen (the name column gives way).

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/file_dialog_layout.h"

class FileDialogLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void every_column_shows_its_texts_whole() {
        QTemporaryDir folder;
        for (const char* name : {"monthly sums of 2026.vcl", "cells.vcm", "notes.txt"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(1000, 'x'));
        }
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("older results")));

        QFileDialog dialog(nullptr, QStringLiteral("Open"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(NameFiltersFromPairs(QStringLiteral(
            "Calculation files (*.vcl)|*.vcl|Memory files (*.vcm)|*.vcm|All files (*.*)|*.*||")));
        dialog.selectNameFilter(dialog.nameFilters().last());
        dialog.setDirectory(folder.path());
        FitFileDialog(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(list != nullptr);
        const QModelIndex root = list->rootIndex();
        QTRY_COMPARE(list->model()->rowCount(root), 4);
        QTest::qWait(200); // the types and dates arrive after the names
        const QFontMetrics metrics(list->font());
        const QHeaderView* header = list->header();
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                const QModelIndex index = list->model()->index(row, column, root);
                const QString text = index.data().toString();
                const int room =
                    list->visualRect(index).width() - (column == 0 ? list->iconSize().width() : 0);
                QVERIFY2(metrics.horizontalAdvance(text) < room,
                         qPrintable(
                             QStringLiteral("\"%1\" in column %2 (%3 px)").arg(text).arg(column).arg(room)));
            }
        }
        int total = 0;
        for (int column = 0; column < header->count(); ++column)
            total += header->isSectionHidden(column) ? 0 : header->sectionSize(column);
        QVERIFY2(total <= list->viewport()->width(),
                 qPrintable(
                     QStringLiteral("%1 px of columns in %2 px").arg(total).arg(list->viewport()->width())));

        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        QVERIFY(dialog.grab().save(QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/file_dialog.png")));
    }

    void the_name_column_gives_way_on_a_small_screen_data() {
        QTest::addColumn<int>("listWidth");
        QTest::addColumn<int>("name");
        QTest::newRow("room for all: the name as wide as it asks") << 900 << 300;
        QTest::newRow("less room: the name takes the rest") << 500 << 250;
        QTest::newRow("far too little: the name keeps its least width") << 300 << 200;
    }

    void the_name_column_gives_way_on_a_small_screen() {
        QFETCH(int, listWidth);
        QFETCH(int, name);
        QCOMPARE(NameColumnWidth(FileColumnWidths{300, 60, 90, 100}, listWidth, 200), name);
    }

    void the_dialog_grows_for_its_columns_within_the_screen_data() {
        QTest::addColumn<QSize>("before");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider by what the columns need, taller for more rows")
            << QSize(624, 408) << 150 << QSize(1920, 1000) << QSize(774, 24 * 17);
        QTest::newRow("columns that fit keep the size")
            << QSize(624, 420) << -40 << QSize(1920, 1000) << QSize(624, 420);
        QTest::newRow("a small screen bounds it")
            << QSize(624, 408) << 600 << QSize(800, 360) << QSize(800, 360);
    }

    void the_dialog_grows_for_its_columns_within_the_screen() {
        QFETCH(QSize, before);
        QFETCH(int, extra);
        QFETCH(QSize, available);
        QFETCH(QSize, size);
        QCOMPARE(FileDialogSize(before, extra, 17, available), size);
    }
};

QTEST_MAIN(FileDialogLayoutTest)
#include "file_dialog_layout_test.moc"
