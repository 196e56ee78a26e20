// The log pane as the engine's log receiver: rows, numbering and colours across runs,
// the pop-up request, and the column widths kept in "GUI/Log".

#include <memory>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "app/panes/calc_log.h"
#include "app/panes/column_widths.h"
#include "pane_test_support.h"

using NCalculatorText::LogMessage;

namespace {

QStringList ColumnTexts(const QAbstractItemModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class LogPaneTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env_ = std::make_unique<pane_tests::PaneFixture>();
        log_ = std::make_unique<CCalcLog>();
        NCalculatorText::engineState.logReceiver = log_.get();
    }
    void cleanup() {
        CloseLog();
        env_.reset();
    }

    void rowsShowTheLatestRunOnly_data() {
        QTest::addColumn<QString>("firstRun");
        QTest::addColumn<QString>("secondRun");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QStringList>("contexts");
        QTest::newRow("a clean run empties the list") << "1/0"
                                                      << "1+1" << QStringList{} << QStringList{};
        QTest::newRow("three messages then one: one row numbered 1")
            << "x = 7; mem[nothing]; 1/0"
            << "1/0" << QStringList{"Error"} << QStringList{"Division"};
        QTest::newRow("warnings then the error that stops the run")
            << "1"
            << "x = 7; mem[nothing]; 1/0; mem[never]" << QStringList{"Warning", "Warning", "Error"}
            << QStringList{"Index", "Memory", "Division"};
    }
    void rowsShowTheLatestRunOnly() {
        QFETCH(QString, firstRun);
        QFETCH(QString, secondRun);
        QFETCH(QStringList, statuses);
        QFETCH(QStringList, contexts);
        pane_tests::CalculateAll(firstRun.toStdU16String());
        pane_tests::CalculateAll(secondRun.toStdU16String());
        const QAbstractItemModel& model = *log_->List()->model();
        QCOMPARE(ColumnTexts(model, 1), statuses);
        QCOMPARE(ColumnTexts(model, 2), contexts);
        QStringList numbers;
        for (int n = 1; n <= statuses.size(); ++n)
            numbers << QString::number(n);
        QCOMPARE(ColumnTexts(model, 0), numbers);
    }

    void headingsAndAlignments() {
        const QAbstractItemModel& model = *log_->List()->model();
        const QStringList headings{"N", "Status", "Context", "Description"};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headings[column]);
            const Qt::Alignment expected = column == 0 ? Qt::AlignRight : Qt::AlignLeft;
            const auto header =
                Qt::Alignment(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
            QCOMPARE(header & Qt::AlignHorizontal_Mask, expected);
        }
        pane_tests::CalculateAll(u"1/0");
        for (int column = 0; column < 4; ++column) {
            const auto cell = Qt::Alignment(model.index(0, column).data(Qt::TextAlignmentRole).toInt());
            QCOMPARE(cell & Qt::AlignHorizontal_Mask, column == 0 ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    void colourFollowsTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("error is red") << 1 << "Error" << QColor(255, 0, 0);
        QTest::newRow("warning is blue") << 0 << "Warning" << QColor(0, 0, 255);
        QTest::newRow("any other kind is a blue warning") << 2 << "Warning" << QColor(0, 0, 255);
        QTest::newRow("negative kind is a blue warning") << -1 << "Warning" << QColor(0, 0, 255);
    }
    void colourFollowsTheKind() {
        QFETCH(int, kind);
        QFETCH(QString, status);
        QFETCH(QColor, colour);
        log_->AddMessage(LogMessage{kind, u"Sine", u"Some text"});
        const QAbstractItemModel& model = *log_->List()->model();
        QCOMPARE(model.index(0, 1).data().toString(), status);
        for (int column = 0; column < 4; ++column)
            QCOMPARE(model.index(0, column).data(Qt::ForegroundRole).value<QBrush>().color(), colour);
    }

    void keepsItsOwnCopyOfTheTexts() {
        {
            std::u16string operation = u"Archyperbolic cotangent";
            std::u16string text = u"Function has singularity at 1";
            log_->AddMessage(LogMessage{1, operation, text});
            operation.assign(operation.size(), u'#');
            text.assign(text.size(), u'#');
        }
        const QAbstractItemModel& model = *log_->List()->model();
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("Archyperbolic cotangent"));
        QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("Function has singularity at 1"));
    }

    void scrollsToTheNewestRow() {
        log_->resize(400, 150);
        log_->show();
        QVERIFY(QTest::qWaitForWindowExposed(log_.get()));
        for (int i = 0; i < 100; ++i)
            log_->AddMessage(LogMessage{0, u"Memory", u"Uninitialized memory used, value forced to 0"});
        QTreeView* list = log_->List();
        // The list scrolls once the run hands control back.
        QTRY_VERIFY(
            list->viewport()->rect().contains(list->visualRect(list->model()->index(99, 0)).center()));
    }

    void popupFollowsThePreference_data() {
        QTest::addColumn<int>("logPopup");
        QTest::addColumn<int>("requests");
        QTest::newRow("on: every message asks") << 1 << 2;
        QTest::newRow("any non-zero value counts as on") << 7 << 2;
        QTest::newRow("off: rows are still collected") << 0 << 0;
    }
    void popupFollowsThePreference() {
        QFETCH(int, logPopup);
        QFETCH(int, requests);
        preferenceStore.values.logPopup = logPopup;
        QSignalSpy spy(log_.get(), &CCalcLog::popupRequested);
        pane_tests::CalculateAll(u"x = 7; mem[nothing]");
        QCOMPARE(spy.count(), requests);
        QCOMPARE(log_->List()->model()->rowCount(), 2);
    }

    void defaultWidthsAreMeasuredFromTheSampleTexts() {
        const QHeaderView& header = *log_->List()->header();
        const QFontMetrics metrics = log_->List()->fontMetrics();
        QVERIFY(header.sectionSize(0) >= metrics.horizontalAdvance(QStringLiteral("88")));
        QVERIFY(header.sectionSize(0) < header.sectionSize(1));
        QVERIFY(header.sectionSize(1) >= metrics.horizontalAdvance(QStringLiteral("Warning")));
        QVERIFY(header.sectionSize(2) >=
                metrics.horizontalAdvance(QStringLiteral("Archyperbolic cotangent")));
        QVERIFY(header.sectionSize(3) > header.sectionSize(2));
    }

    void draggedWidthComesBackAtTheNextStart() {
        log_->List()->header()->resizeSection(3, 200);
        CloseLog();
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("GUI/Log/DescriptionWidth")).toInt(), 200);
        CCalcLog next;
        QCOMPARE(next.List()->header()->sectionSize(3), 200);
    }

    void descriptionTakesTheWidthTheOthersLeave() {
        QCOMPARE(NCalculatorPanes::FillingWidth({30, 60, 150}, 900, 400), 660);
        QCOMPARE(NCalculatorPanes::FillingWidth({30, 60, 150}, 500, 400), 400);

        const QHeaderView& header = *log_->List()->header();
        const int given = header.sectionSize(3);
        const auto others = [&] {
            return header.sectionSize(0) + header.sectionSize(1) + header.sectionSize(2);
        };
        log_->resize(others() + given + 300, 150);
        log_->show();
        QVERIFY(QTest::qWaitForWindowExposed(log_.get()));
        QTRY_COMPARE(others() + header.sectionSize(3), log_->List()->viewport()->width());
        // Too narrow for all: the list scrolls, and "Description" keeps its own width.
        log_->resize(others() + given / 2, 150);
        QTRY_COMPARE(header.sectionSize(3), given);
        // A wider "Context" leaves less to "Description".
        log_->resize(others() + given + 300, 150);
        QTRY_VERIFY(header.sectionSize(3) > given);
        const int filled = header.sectionSize(3);
        log_->List()->header()->resizeSection(2, header.sectionSize(2) + 100);
        QCOMPARE(header.sectionSize(3), filled - 100);
        // What is kept is the width it was given, not the one it filled.
        CloseLog();
        QCOMPARE(QSettings().value(QStringLiteral("GUI/Log/DescriptionWidth")).toInt(), given);
    }

    void unusableStoredWidthsTakeTheDefault_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("not a number") << QVariant(QStringLiteral("wide"));
        QTest::newRow("zero would hide the column") << QVariant(0);
        QTest::newRow("negative") << QVariant(-40);
        QTest::newRow("wider than any screen") << QVariant(1000000);
    }
    void unusableStoredWidthsTakeTheDefault() {
        QFETCH(QVariant, stored);
        const int defaultWidth = log_->List()->header()->sectionSize(1);
        CloseLog();
        {
            QSettings settings;
            settings.setValue(QStringLiteral("GUI/Log/StatusWidth"), stored);
        }
        CCalcLog next;
        QCOMPARE(next.List()->header()->sectionSize(1), defaultWidth);
    }

  private:
    // As at exit: the pane goes, and the engine no longer reports to it.
    void CloseLog() {
        NCalculatorText::engineState.logReceiver = nullptr;
        log_.reset();
    }

    std::unique_ptr<pane_tests::PaneFixture> env_;
    std::unique_ptr<CCalcLog> log_;
};

QTEST_MAIN(LogPaneTest)
#include "log_pane_qtest.moc"
