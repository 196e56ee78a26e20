// The three panes inside the main window: filled by the document's commands, refreshed
// by the preferences, shown on request, reachable by the pane shortcuts, and pictured
// for a person to look at.

#include <memory>

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/document/cmd_receiver.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "app/panes/calc_log.h"
#include "app/panes/calc_memory.h"
#include "app/panes/calc_statistics.h"
#include "pane_test_support.h"
#include "picture_checks.h"

using NCalculatorPanes::MemoryButton;
using NCalculatorPanes::Statistic;

namespace {

const char16_t kWarningsAndErrors[] = u"// warnings, then the error that stops the run\r\n"
                                      u"x = 7; mem[nothing]; 2+2; 1/0; 3*3";

const char16_t kDozenCells[] =
    u"3.14159265358979->mem[pi]; 2.71828182845905->mem[e]; 1-2*i->mem[z]; -0.5->mem[half];\r\n"
    u"1e-5->mem[tiny]; 6.02214076e23->mem[Avogadro]; 42->mem[answer]; i->mem[unit];\r\n"
    u"sqrt(2)->mem[root2]; -273.15->mem[T0]; 299792458->mem[c]; 1.5+2.5*i->mem[w];";

} // namespace

class MainWindowPanesTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        pane_tests::PaneFixture panes;
        CCalcNotifier notifier;
        CCalcDoc document{notifier};
        std::unique_ptr<CCalcMainFrame> frame;

        Fixture() {
            frame = std::make_unique<CCalcMainFrame>(document, notifier);
            document.OnNewDocument();
            frame->resize(1100, 640);
            frame->show();
            frame->ApplyPreferences();
            QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        }
        ~Fixture() { frame.reset(); }

        void CalculateAll(std::u16string_view text) {
            frame->View()->SetDocumentText(text);
            document.ReceiveCommand(CmdCalculateAll);
            WaitForCalculation(document);
        }
        CCalcDlgBar& Bar(PaneId pane) { return *frame->Bar(pane); }
        CCalcLog& Log() { return *qobject_cast<CCalcLog*>(Bar(PaneId::Log).widget()); }
        CCalcMemory& Memory() { return *qobject_cast<CCalcMemory*>(Bar(PaneId::Memory).widget()); }
        CCalcStatistics& Statistics() {
            return *qobject_cast<CCalcStatistics*>(Bar(PaneId::Statistics).widget());
        }
        int LogRows() { return Log().List()->model()->rowCount(); }
        int MemoryRows() { return Memory().List()->model()->rowCount(); }

        // What the screen shows, the window with any floating pane over it, checked for each
        // shown pane drawn where it stands, and kept for a person to look at.
        void CheckAndSavePicture(const QString& name) {
            const QRect screen = frame->frameGeometry().united(Bar(PaneId::Statistics).frameGeometry());
            const qreal ratio = frame->devicePixelRatioF();
            QImage picture(picture_checks::PixelSize(screen.size(), ratio),
                           QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::darkGray);
            const QPoint origin = screen.topLeft();
            const QPoint windowAt = frame->geometry().topLeft() - origin;
            QPainter painter(&picture);
            painter.drawPixmap(windowAt, frame->grab());
            QList<QRect> shownPanes;
            for (CCalcDlgBar* bar : CCalcDlgBar::AllBars()) {
                if (!bar->isVisible())
                    continue;
                if (bar->isFloating()) {
                    painter.drawPixmap(bar->geometry().topLeft() - origin, bar->grab());
                    shownPanes << QRect(bar->geometry().topLeft() - origin, bar->size());
                } else {
                    shownPanes << QRect(windowAt + bar->mapTo(frame.get(), QPoint(0, 0)), bar->size());
                }
            }
            painter.end();
            QVERIFY(picture_checks::ShowsSomething(picture, QRect(windowAt, frame->size())));
            for (const QRect& pane : shownPanes) {
                QVERIFY(QRect(QPoint(0, 0), screen.size()).contains(pane));
                QVERIFY2(picture_checks::ShowsSomething(picture, pane),
                         qPrintable(QStringLiteral("a blank pane at %1, %2").arg(pane.x()).arg(pane.y())));
            }
            QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
            const QString path = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/%1@%2x.png").arg(name).arg(ratio);
            QVERIFY(picture.save(path));
            qInfo("picture: %s", qPrintable(path));
        }
    };

  private slots:
    void logListsTheRunsWarningsAndErrors() {
        Fixture f;
        f.CalculateAll(kWarningsAndErrors);
        const QAbstractItemModel& rows = *f.Log().List()->model();
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.index(2, 1).data().toString(), QStringLiteral("Error"));
        QCOMPARE(rows.index(2, 2).data().toString(), QStringLiteral("Division"));
        f.CheckAndSavePicture(QStringLiteral("panes-log"));
        f.CalculateAll(u"2+2");
        QCOMPARE(f.LogRows(), 0);
    }

    void newMessageShowsTheHiddenLogWithoutTakingTheFocus() {
        Fixture f;
        f.frame->RunCommand(CommandId::ViewLog);
        QVERIFY(!f.Bar(PaneId::Log).isVisible());
        f.frame->View()->setFocus();
        f.CalculateAll(u"mem[never]");
        QVERIFY(f.Bar(PaneId::Log).isVisible());
        QCOMPARE(QApplication::focusWidget(), f.frame->View());
    }

    void logStaysHiddenWithoutThePopUp() {
        Fixture f;
        preferenceStore.values.logPopup = 0;
        f.frame->RunCommand(CommandId::ViewLog);
        f.CalculateAll(u"mem[never]");
        QVERIFY(!f.Bar(PaneId::Log).isVisible());
        QCOMPARE(f.LogRows(), 1);
    }

    void memoryListFollowsTheDocumentsCommands() {
        Fixture f;
        f.CalculateAll(kDozenCells);
        QCOMPARE(f.MemoryRows(), 12);
        f.Memory().List()->model()->setData(f.Memory().List()->model()->index(1, 0), Qt::Checked,
                                            Qt::CheckStateRole);
        f.CheckAndSavePicture(QStringLiteral("panes-memory"));
        f.document.ReceiveCommand(CmdFreeMemory);
        QCOMPARE(f.MemoryRows(), 0);
        QVERIFY(!f.Memory().ButtonOf(MemoryButton::Free)->isEnabled());
    }

    void freeFromThePaneDisablesTheMemoryCommands() {
        Fixture f;
        f.CalculateAll(u"1->mem[a]; 2->mem[b]");
        QVERIFY(f.frame->Action(CommandId::MemorySave)->isEnabled());
        f.Memory().ButtonOf(MemoryButton::Free)->click();
        QCOMPARE(f.MemoryRows(), 0);
        QVERIFY(!f.frame->Action(CommandId::MemorySave)->isEnabled());
        QVERIFY(!f.frame->Action(CommandId::MemoryFree)->isEnabled());
    }

    void appliedPreferencesRewriteTheValues() {
        Fixture f;
        f.CalculateAll(u"1-2*i->mem[z]");
        preferenceStore.values.formatI = 1;
        f.frame->ApplyPreferences();
        QCOMPARE(f.Memory().List()->model()->index(0, 3).data().toString(),
                 QStringLiteral("1 \u2212 j\u22172"));
    }

    void statisticsButtonFillsAndShowsItsPane() {
        Fixture f;
        f.CalculateAll(kDozenCells);
        QVERIFY(!f.Bar(PaneId::Statistics).isVisible());
        f.Memory().ButtonOf(MemoryButton::Statistics)->click();
        QVERIFY(f.Bar(PaneId::Statistics).isVisible());
        QVERIFY(!f.Statistics().Box(Statistic::Mean)->text().isEmpty());
        QCOMPARE(f.Statistics().Box(Statistic::Skewness)->text().isEmpty(), false);
        f.CheckAndSavePicture(QStringLiteral("panes-statistics"));
    }

    void paneShortcutsWorkWhileAPaneHasTheFocus() {
        Fixture f;
        f.frame->View()->SetDocumentText(u"5->mem[x]");
        QTreeView* memoryList = f.Memory().List();
        memoryList->setFocus();
        QTest::keyClick(memoryList, Qt::Key_Equal, Qt::ControlModifier | Qt::ShiftModifier);
        WaitForCalculation(f.document);
        QCOMPARE(f.MemoryRows(), 1); // Calculate all ran from the memory pane

        QTreeView* logList = f.Log().List();
        logList->setFocus();
        QTest::keyClick(logList, Qt::Key_L, Qt::ControlModifier); // hide the log from inside it
        QVERIFY(!f.Bar(PaneId::Log).isVisible());
        QCOMPARE(QApplication::focusWidget(), f.frame->View());

        QTest::keyClick(f.frame->View(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f.Bar(PaneId::Statistics).isVisible());
        // The floating pane's own focus (a window that is not active has no application focus).
        QVERIFY(f.Statistics().isAncestorOf(f.Bar(PaneId::Statistics).focusWidget()));
    }
};

QTEST_MAIN(MainWindowPanesTest)
#include "main_window_panes_qtest.moc"
