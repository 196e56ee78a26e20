// The memory pane over the engine's store: when the list is rebuilt, check boxes that
// survive rebuilds, sorting by header clicks, row clicks, and the five buttons.

#include <cerrno>
#include <cstring>
#include <memory>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "app/panes/calc_memory.h"
#include "engine/files/calculation_file.h"
#include "pane_test_support.h"

using NCalculatorPanes::MemoryButton;
using NCalculatorText::memoryStore;

namespace {

const QString kMinus = QStringLiteral("\u2212");

} // namespace

class MemoryPaneTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env_ = std::make_unique<pane_tests::PaneFixture>();
        pane_ = std::make_unique<CCalcMemory>();
        pane_->resize(420, 260);
        pane_->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_.get()));
    }
    void cleanup() {
        pane_.reset();
        // Every expected box came, and no other.
        QVERIFY2(env_->boxes.AllAnswered(), qPrintable(env_->boxes.Unexpected().join(u'|')));
        env_.reset();
    }

    void staysEmptyUntilTheStoreChanges() {
        memoryStore.cells[u"x"] = {{1, 0}, 0}; // not through the engine: no change raised
        pane_->Refresh();
        QCOMPARE(Rows(), 0);
        for (int b = 0; b < NCalculatorPanes::kMemoryButtonCount; ++b)
            QVERIFY(!pane_->ButtonOf(static_cast<MemoryButton>(b))->isEnabled());
        memoryStore.changed = true;
        pane_->Refresh();
        QCOMPARE(Rows(), 1);
        QVERIFY(!memoryStore.changed);
    }

    void keepsTheListWhenNothingChanged() {
        Calculate(u"1->mem[x]");
        memoryStore.cells[u"x"].value = {9, 0}; // unseen until the next change
        pane_->Refresh();
        QCOMPARE(Text(0, 3), QStringLiteral("1"));
        Calculate(u"mem[x]"); // a read raises the change as well
        QCOMPARE(Text(0, 3), QStringLiteral("9"));
    }

    void cellsInOrdinalOrderNumberedFromOne() {
        Calculate(u"1->mem[b]; 2->mem[B]; 3->mem[a]");
        QCOMPARE(ColumnTexts(2), (QStringList{"B", "a", "b"}));
        QCOMPARE(ColumnTexts(1), (QStringList{"1", "2", "3"}));
        QCOMPARE(ColumnTexts(3), (QStringList{"2", "3", "1"}));
    }

    void newLetterRewritesTheValuesAtOnce() {
        Calculate(u"1-2*i->mem[z]");
        QCOMPARE(Text(0, 3), QStringLiteral("1 ") + kMinus + QStringLiteral(" i\u22172"));
        preferenceStore.values.formatI = 1;
        pane_->Refresh(); // as after the Preferences dialog: no cell changed
        QCOMPARE(Text(0, 3), QStringLiteral("1 ") + kMinus + QStringLiteral(" j\u22172"));
    }

    void newLetterBeforeTheFirstFillingChangesNothing() {
        memoryStore.cells[u"z"] = {{0, 1}, 0};
        preferenceStore.values.formatI = 1;
        pane_->Refresh();
        QCOMPARE(Rows(), 0);
    }

    void checkBoxesSurviveCalculations() {
        Calculate(u"1->mem[a]; 2->mem[b]");
        SetChecked(0, true);
        Calculate(u"5->mem[a]; 3->mem[c]");
        QCOMPARE(CheckedNames(), QStringList{"a"});
        QCOMPARE(Text(0, 3), QStringLiteral("5"));
        QCOMPARE(memoryStore.cells[u"a"].selected, 1);
        QCOMPARE(memoryStore.cells[u"c"].selected, 0);
    }

    void headerClicksSort() {
        Calculate(u"5->mem[b]; -1->mem[B]; 2->mem[a]; -1+i->mem[c]");
        ClickHeader(3);
        QCOMPARE(ColumnTexts(2), (QStringList{"B", "c", "a", "b"})); // equal real parts in store order
        ClickHeader(3);
        QCOMPARE(ColumnTexts(2), (QStringList{"b", "a", "B", "c"}));
        ClickHeader(2);
        QCOMPARE(ColumnTexts(2), (QStringList{"B", "a", "b", "c"}));
        QCOMPARE(ColumnTexts(1), (QStringList{"1", "2", "3", "4"}));
        ClickHeader(1); // back to the store's order
        QCOMPARE(ColumnTexts(2), (QStringList{"B", "a", "b", "c"}));
        ClickHeader(1);
        QCOMPARE(ColumnTexts(2), (QStringList{"c", "b", "a", "B"}));
        QCOMPARE(pane_->List()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void firstClickOnInclPutsIncludedCellsFirst() {
        Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]");
        SetChecked(2, true);
        ClickHeader(0);
        QCOMPARE(ColumnTexts(2), (QStringList{"c", "a", "b"}));
    }

    void sortingKeepsTheSelectionOnItsCells() {
        Calculate(u"3->mem[a]; 2->mem[b]; 1->mem[c]");
        pane_->List()->selectionModel()->select(pane_->List()->model()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        ClickHeader(3);
        const QModelIndexList selected = pane_->List()->selectionModel()->selectedRows(2);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), QStringLiteral("a"));
    }

    void sortOrderHoldsThroughRefreshes() {
        Calculate(u"1->mem[a]; 2->mem[b]");
        ClickHeader(3);
        ClickHeader(3);
        Calculate(u"3->mem[c]");
        QCOMPARE(ColumnTexts(2), (QStringList{"c", "b", "a"}));
    }

    void clickBesideTheCheckBoxIncludesEverySelectedRow() {
        Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]");
        ClickCell(0, 2, Qt::NoModifier);
        ClickCell(2, 3, Qt::ControlModifier);
        QCOMPARE(CheckedNames(), (QStringList{"a", "c"}));
    }

    void clickInInclColumnOutsideTheBoxIncludesNothing() {
        Calculate(u"1->mem[a]; 2->mem[b]");
        const QRect cell = pane_->List()->visualRect(pane_->List()->model()->index(1, 0));
        QTest::mouseClick(pane_->List()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(cell.right() - 2, cell.center().y()));
        QCOMPARE(CheckedNames(), QStringList{});
    }

    void buttonsFollowTheNumberOfCells() {
        Calculate(u"1->mem[a]");
        QVERIFY(Enabled(MemoryButton::Free) && Enabled(MemoryButton::Save) && Enabled(MemoryButton::Invert) &&
                Enabled(MemoryButton::Clear));
        QVERIFY(!Enabled(MemoryButton::Statistics));
        Calculate(u"2->mem[b]");
        QVERIFY(Enabled(MemoryButton::Statistics));
        pane_->ButtonOf(MemoryButton::Free)->click();
        QVERIFY(!Enabled(MemoryButton::Free) && !Enabled(MemoryButton::Statistics));
    }

    void freeErases_data() {
        QTest::addColumn<QList<int>>("checkedRows");
        QTest::addColumn<int>("confirmation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("remaining");
        const QStringList all{"a", "b", "c", "d"};
        QTest::newRow("no box: everything, unasked") << QList<int>{} << 0 << 0 << QString() << QStringList{};
        QTest::newRow("no box, confirmed")
            << QList<int>{} << 1 << int(IdYes) << "Erase all the memory?" << QStringList{};
        QTest::newRow("no box, declined") << QList<int>{} << 1 << int(IdNo) << "Erase all the memory?" << all;
        QTest::newRow("every box asks the same")
            << QList<int>{0, 1, 2, 3} << 1 << int(IdYes) << "Erase all the memory?" << QStringList{};
        QTest::newRow("some boxes: only those")
            << QList<int>{1, 3} << 1 << int(IdYes) << "Erase the selected memory?" << QStringList{"a", "c"};
        QTest::newRow("some boxes, declined")
            << QList<int>{1, 3} << 1 << int(IdNo) << "Erase the selected memory?" << all;
        QTest::newRow("some boxes, closed box counts as no")
            << QList<int>{1} << 1 << int(IdCancel) << "Erase the selected memory?" << all;
        QTest::newRow("some boxes, unasked")
            << QList<int>{0} << 0 << 0 << QString() << QStringList{"b", "c", "d"};
    }
    void freeErases() {
        QFETCH(QList<int>, checkedRows);
        QFETCH(int, confirmation);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, remaining);
        Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]; 4->mem[d]");
        for (int row : checkedRows)
            SetChecked(row, true);
        preferenceStore.values.freeConfirmation = confirmation;
        if (!question.isEmpty())
            env_->boxes.Expect(question, answer);
        pane_->ButtonOf(MemoryButton::Free)->click();
        QCOMPARE(ColumnTexts(2), remaining);
        QCOMPARE(static_cast<int>(memoryStore.cells.size()), remaining.size());
        if (remaining.size() == 4) // declined: the boxes stay as they were
            QCOMPARE(CheckedRows(), checkedRows);
    }

    void saveWritesTheIncludedCellsInStoreOrder_data() {
        QTest::addColumn<QList<int>>("checkedRows");
        QTest::addColumn<QString>("expected");
        const QString line = QStringLiteral("%1->mem[%2];\r\n");
        QTest::newRow("no box: every cell")
            << QList<int>{}
            << QChar(0xFEFF) + line.arg("3", "a") + line.arg("1" + kMinus + "i*2", "b") + line.arg("5", "c") +
                   line.arg("1.0000000000000000818e" + kMinus + "05", "d") + line.arg(kMinus + "0.5", "e");
        // Sorted by value descending, rows 0 and 1 are c and a; the file keeps a before c.
        QTest::newRow("two of five, sorted list")
            << QList<int>{0, 1} << QChar(0xFEFF) + line.arg("3", "a") + line.arg("5", "c");
    }
    void saveWritesTheIncludedCellsInStoreOrder() {
        QFETCH(QList<int>, checkedRows);
        QFETCH(QString, expected);
        Calculate(u"3->mem[a]; 1-i*2->mem[b]; 5->mem[c]; 1e-5->mem[d]; -0.5->mem[e]");
        ClickHeader(3);
        ClickHeader(3);
        for (int row : checkedRows)
            SetChecked(row, true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cells.vcm"));
        env_->dialogs.Answer(path);
        pane_->ButtonOf(MemoryButton::Save)->click();

        QCOMPARE(env_->dialogs.Requests().size(), std::size_t{1});
        const FileDialogRequest& request = env_->dialogs.Requests().front();
        QCOMPARE(request.mode, FileDialogMode::Save);
        QCOMPARE(request.title, QStringLiteral("Save memory"));
        QCOMPARE(request.defaultExtension, QStringLiteral("vcm"));
        QCOMPARE(request.initialName, QStringLiteral("Memory 1"));
        QCOMPARE(request.filter, QStringLiteral("Calculator memory files (*.vcm)|*.vcm||"));
        const QByteArray bytes = ReadBytes(path);
        QCOMPARE(bytes.left(2), QByteArray("\xFF\xFE", 2));
        // Every code unit as written (fromUtf16 would drop the byte order mark).
        QCOMPARE(QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2), expected);
    }

    void saveThatCannotWriteSaysSo() {
        Calculate(u"1->mem[a]");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing folder/cells.vcm"));
        env_->dialogs.Answer(path);
        env_->boxes.Expect(QStringLiteral("Cannot open the file for writing.\n\u201C%1\u201D: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(ENOENT))),
                           IdOk);
        pane_->ButtonOf(MemoryButton::Save)->click();
        QVERIFY(
            (env_->boxes.Types().value(0) == MessageType{MessageButtons::Close, MessageIcon::Exclamation}));
    }

    void cancelledSaveWritesNothing() {
        Calculate(u"1->mem[a]");
        env_->dialogs.Answer(QString());
        pane_->ButtonOf(MemoryButton::Save)->click();
        QCOMPARE(env_->dialogs.Requests().size(), std::size_t{1});
    }

    void savedFileLoadsBackTheSameCells() {
        Calculate(u"1/3->mem[third]; -2.5e-300+i*7->mem[w]");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cells.vcm"));
        env_->dialogs.Answer(path);
        pane_->ButtonOf(MemoryButton::Save)->click();
        const auto saved = memoryStore.cells;
        NCalculatorText::ClearMemory(true);
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(Calculate(
            NCalculatorText::DecodeCalculationFile({bytes.constData(), std::size_t(bytes.size())}).text));
        QCOMPARE(memoryStore.cells.size(), saved.size());
        for (const auto& [name, cell] : saved)
            QVERIFY(memoryStore.cells.at(name).value == cell.value);
    }

    void statisticsAsksWhenOneCellIsIncluded_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("results");
        QTest::newRow("no: nothing computed") << int(IdNo) << 0;
        QTest::newRow("yes: every cell") << int(IdYes) << 1;
    }
    void statisticsAsksWhenOneCellIsIncluded() {
        QFETCH(int, answer);
        QFETCH(int, results);
        Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]; 4->mem[d]");
        SetChecked(1, true);
        env_->boxes.Expect(QStringLiteral("Only one cell is selected.\nCalculate for all cells?"), answer);
        QSignalSpy spy(pane_.get(), &CCalcMemory::statisticsComputed);
        pane_->ButtonOf(MemoryButton::Statistics)->click();
        QCOMPARE(spy.count(), results);
        if (results == 1) {
            const auto result = spy.first().first().value<NCalculatorPanes::StatisticsResult>();
            QCOMPARE(result.Value(NCalculatorPanes::Statistic::Mean).re, 2.5);
        }
        QCOMPARE(memoryStore.cells[u"b"].selected, 0); // not written back by this command
    }

    void statisticsIgnoresCellsLeftOut() {
        Calculate(u"1->mem[a]; 100->mem[b]; 3->mem[c]");
        SetChecked(0, true);
        SetChecked(2, true);
        QSignalSpy spy(pane_.get(), &CCalcMemory::statisticsComputed);
        pane_->ButtonOf(MemoryButton::Statistics)->click();
        QCOMPARE(spy.count(), 1);
        const auto result = spy.first().first().value<NCalculatorPanes::StatisticsResult>();
        QCOMPARE(result.Value(NCalculatorPanes::Statistic::Mean).re, 2.0);
    }

    void invertAndClearChangeOnlyTheBoxes() {
        Calculate(u"1->mem[a]; 2->mem[b]; 3->mem[c]");
        SetChecked(1, true);
        pane_->ButtonOf(MemoryButton::Invert)->click();
        QCOMPARE(CheckedNames(), (QStringList{"a", "c"}));
        pane_->ButtonOf(MemoryButton::Clear)->click();
        QCOMPARE(CheckedNames(), QStringList{});
        QCOMPARE(static_cast<int>(memoryStore.cells.size()), 3);
    }

    void columnWidthsAreKept() {
        pane_->List()->header()->resizeSection(2, 123);
        pane_.reset();
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("GUI/Memory/CellWidth")).toInt(), 123);
        CCalcMemory next;
        QCOMPARE(next.List()->header()->sectionSize(2), 123);
    }

    void buttonsStandRightOfTheList() {
        const QRect list = pane_->List()->geometry();
        for (int b = 0; b < NCalculatorPanes::kMemoryButtonCount; ++b) {
            const QRect button = pane_->ButtonOf(static_cast<MemoryButton>(b))->geometry();
            QVERIFY(button.left() > list.right());
            QVERIFY(button.right() < pane_->width());
        }
        QCOMPARE(pane_->ButtonOf(MemoryButton::Free)->toolTip(), QStringLiteral("Free"));
    }

  private:
    bool Calculate(std::u16string text) {
        const bool ok = pane_tests::CalculateAll(std::move(text));
        pane_->Refresh(); // as the document does after every run
        return ok;
    }
    int Rows() const { return pane_->List()->model()->rowCount(); }
    QString Text(int row, int column) const {
        return pane_->List()->model()->index(row, column).data().toString();
    }
    QStringList ColumnTexts(int column) const {
        QStringList texts;
        for (int row = 0; row < Rows(); ++row)
            texts << Text(row, column);
        return texts;
    }
    void SetChecked(int row, bool checked) {
        QVERIFY(pane_->List()->model()->setData(pane_->List()->model()->index(row, 0),
                                                checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
    }
    QList<int> CheckedRows() const {
        QList<int> rows;
        for (int row = 0; row < Rows(); ++row) {
            if (pane_->List()->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked)
                rows << row;
        }
        return rows;
    }
    QStringList CheckedNames() const {
        QStringList names;
        for (int row : CheckedRows())
            names << Text(row, 2);
        return names;
    }
    bool Enabled(MemoryButton button) const { return pane_->ButtonOf(button)->isEnabled(); }
    void ClickHeader(int section) {
        QHeaderView* header = pane_->List()->header();
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers) {
        const QRect cell = pane_->List()->visualRect(pane_->List()->model()->index(row, column));
        QTest::mouseClick(pane_->List()->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    std::unique_ptr<pane_tests::PaneFixture> env_;
    std::unique_ptr<CCalcMemory> pane_;
};

QTEST_MAIN(MemoryPaneTest)
#include "memory_pane_qtest.moc"
