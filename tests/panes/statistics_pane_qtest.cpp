// The statistics pane: six labelled boxes, empty until the first result, each showing
// a value, "Cannot be calculated", "Undefined" or the overflow text; and the memory
// pane's Statistics button feeding it.

#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app/panes/calc_memory.h"
#include "app/panes/calc_statistics.h"
#include "pane_test_support.h"

using NCalculatorPanes::Statistic;

namespace {

const QString kMinus = QStringLiteral("\u2212");
constexpr Statistic kAll[] = {
    Statistic::Mean,     Statistic::Variance, Statistic::StandardDeviation, Statistic::AverageDeviation,
    Statistic::Skewness, Statistic::Kurtosis};

} // namespace

class StatisticsPaneTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env_ = std::make_unique<pane_tests::PaneFixture>();
        pane_ = std::make_unique<CCalcStatistics>();
    }
    void cleanup() {
        pane_.reset();
        env_.reset();
    }

    void labelledReadOnlyBoxesStartEmpty() {
        pane_->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_.get()));
        const QStringList labels{"Mean (average)",    "Variance", "Standard deviation",
                                 "Average deviation", "Skewness", "Kurtosis"};
        int previousTop = -1;
        for (int i = 0; i < 6; ++i) {
            QLineEdit* box = pane_->Box(kAll[i]);
            QVERIFY(box->isReadOnly());
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->accessibleName(), labels[i]);
            QVERIFY(box->geometry().top() > previousTop); // top to bottom in this order
            previousTop = box->geometry().top();
        }
        int buddies = 0;
        for (QLabel* label : pane_->findChildren<QLabel*>())
            buddies += label->buddy() != nullptr && labels.contains(label->text());
        QCOMPARE(buddies, 6);
    }

    void showsTheWorkedExample() {
        pane_->ShowStatistics(
            NCalculatorPanes::ComputeStatistics(std::vector<Complex>{{1, 0}, {2, 0}, {3, 0}, {4, 0}}));
        QCOMPARE(Texts(),
                 (QStringList{"2.5", "1.6666666666667", "1.2909944487358", "1", "0", kMinus + "2.0775"}));
    }

    void showsWhyAValueIsMissing() {
        NCalculatorPanes::StatisticsResult result;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        result.values = {Complex{1, 0}, Complex{nan, 0}, Complex{0, -inf},
                         Complex{2, 0}, Complex{},       Complex{}};
        result.computed = {true, true, true, true, false, false};
        pane_->ShowStatistics(result);
        QCOMPARE(Texts(), (QStringList{"1", "Undefined", "Overflow: too big number", "2",
                                       "Cannot be calculated", "Cannot be calculated"}));
    }

    void usesTheChosenImaginaryUnit() {
        preferenceStore.values.formatI = 1;
        pane_->ShowStatistics(NCalculatorPanes::ComputeStatistics(std::vector<Complex>{{0, 1}, {0, -1}}));
        QCOMPARE(pane_->Box(Statistic::StandardDeviation)->text(), QStringLiteral("j\u22171.4142135623731"));
    }

    void memoryButtonFillsThePane() {
        CCalcMemory memory;
        QObject::connect(&memory, &CCalcMemory::statisticsComputed, pane_.get(),
                         &CCalcStatistics::ShowStatistics);
        pane_tests::CalculateAll(u"1+i->mem[p]; 2-i->mem[q]; 3->mem[r]");
        memory.Refresh();
        memory.ButtonOf(NCalculatorPanes::MemoryButton::Statistics)->click();
        QCOMPARE(pane_->Box(Statistic::Variance)->text(), kMinus + QStringLiteral("i"));
        QCOMPARE(pane_->Box(Statistic::StandardDeviation)->text(),
                 QStringLiteral("0.70710678118655 ") + kMinus + QStringLiteral(" i\u22170.70710678118655"));
    }

    void valuesAreShownFromTheirStart() {
        pane_->resize(pane_->sizeHint());
        pane_->ShowStatistics(
            NCalculatorPanes::ComputeStatistics(std::vector<Complex>{{1e-300, 7}, {3, -1e300}}));
        for (Statistic which : kAll)
            QCOMPARE(pane_->Box(which)->cursorPosition(), 0);
    }

  private:
    QStringList Texts() const {
        QStringList texts;
        for (Statistic which : kAll)
            texts << pane_->Box(which)->text();
        return texts;
    }

    std::unique_ptr<pane_tests::PaneFixture> env_;
    std::unique_ptr<CCalcStatistics> pane_;
};

QTEST_MAIN(StatisticsPaneTest)
#include "statistics_pane_qtest.moc"
