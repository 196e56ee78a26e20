// A calculation on a thread of its own: the window goes on while it runs, with the text
// and the engine's commands closed to the user; after a moment the status bar says so;
// Esc or the Stop button ends it like an error; closing, New and Execute file go the same
// way; log messages cross to the interface thread in batches.

#include "window_fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>

#include <thread>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/document/log_relay.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/mainframe/calculation_indicator.h"
#include "app/notify/calc_notifier.h"
#include "app/panes/calc_log.h"
#include "engine/files/calculation_file.h"
#include "ui/resources/bundled_fonts.h"

namespace {

// Runs for hours unless it is stopped.
const char16_t kLongRun[] = u"1+1;\r\nSum(k, 1, 1e12, k) = 5;\r\n3";

class CountingLog final : public NCalculatorText::ILogReceiver {
  public:
    void AddMessage(const NCalculatorText::LogMessage& message) override {
        texts.push_back(std::u16string(message.text));
        starts.push_back(message.statementStart);
    }
    void ClearMessages() override { ++clears; }

    std::vector<std::u16string> texts;
    std::vector<int> starts;
    int clears = 0;
};

} // namespace

class CalculationRunTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture : MainWindowFixture {
        Fixture() : MainWindowFixture({930, 550}) { View().setFocus(); }

        void Start(std::u16string_view text) {
            View().SetDocumentText(text);
            document.SetModifiedFlag(false);
            frame->RunCommand(CommandId::CalculateAll);
        }
        CalculationIndicator& Indicator() { return *frame->findChild<CalculationIndicator*>(); }
        QTreeView& LogList() { return *qobject_cast<CCalcLog*>(frame->Bar(PaneId::Log)->widget())->List(); }
        QString LastLogRow(int column) {
            QAbstractItemModel& model = *LogList().model();
            return model.index(model.rowCount() - 1, column).data().toString();
        }
        bool Enabled(CommandId id) { return frame->Action(id)->isEnabled(); }
    };
  private slots:
    void initTestCase() { LoadBundledFonts(); }

    void while_it_runs_the_text_and_the_engine_are_closed_to_the_user() {
        Fixture f;
        f.Start(kLongRun);
        QVERIFY(f.document.IsCalculating());
        QVERIFY(f.View().isReadOnly());
        for (CommandId id :
             {CommandId::Calculate, CommandId::CalculateAll, CommandId::FileExecute, CommandId::MemoryLoad,
              CommandId::MemoryFree, CommandId::Preferences, CommandId::EditUndo, CommandId::EditPaste})
            QVERIFY2(!f.Enabled(id), qPrintable(QString::number(static_cast<int>(id))));
        QVERIFY(f.Enabled(CommandId::StopCalculation));
        QVERIFY(!f.frame->Bar(PaneId::Memory)->widget()->isEnabled());

        // The event loop goes on, and nothing reaches the text.
        QTest::keyClicks(&f.View(), QStringLiteral("9"));
        QTest::keyClick(&f.View(), Qt::Key_Z, Qt::ControlModifier);
        f.document.ReceiveText(u"9");
        f.document.ReceiveCommand(CmdClear);
        f.document.ReceiveCommand(CmdCalculate);
        QTest::qWait(100);
        QVERIFY(f.document.IsCalculating());
        QCOMPARE(f.Text(), FromU16(kLongRun));

        f.document.EndCalculation();
        QVERIFY(!f.View().isReadOnly());
        QVERIFY(f.Enabled(CommandId::Calculate));
        QVERIFY(!f.Enabled(CommandId::StopCalculation));
        QVERIFY(f.frame->Bar(PaneId::Memory)->widget()->isEnabled());
    }

    void esc_stops_the_run_like_an_error_in_its_statement() {
        Fixture f;
        QElapsedTimer clock;
        clock.start();
        f.Start(kLongRun);
        QVERIFY(!f.Indicator().isVisible());
        QTRY_VERIFY(f.Indicator().isVisible());
        QVERIFY(clock.elapsed() >= CalculationIndicator::kDelayMs);
        QTest::keyClick(&f.View(), Qt::Key_Escape);
        WaitForCalculation(f.document);
        QVERIFY(!f.Indicator().isVisible());
        QCOMPARE(f.Text(), QStringLiteral("1+1=2;\r\nSum(k, 1, 1e12, k)  ;\r\n3"));
        QCOMPARE(f.LastLogRow(1), QStringLiteral("Error"));
        QCOMPARE(f.LastLogRow(2), QStringLiteral("Series sum"));
        QCOMPARE(f.LastLogRow(3), QStringLiteral("Calculation stopped by the user"));
        QCOMPARE(f.View().extraSelections().value(0).cursor.selectedText(),
                 QStringLiteral("Sum(k, 1, 1e12, k)"));
        QCOMPARE(f.frame->StatusText(1), QStringLiteral("rslt = 2"));
        // The stopped run is one step like any other.
        f.View().undo();
        QCOMPARE(f.Text(), FromU16(kLongRun));
    }

    void the_stop_button_ends_it_too() {
        Fixture f;
        f.Start(kLongRun);
        QTRY_VERIFY(f.Indicator().isVisible());
        auto* button = f.Indicator().findChild<QToolButton*>(QStringLiteral("StopButton"));
        QCOMPARE(button->text(), QStringLiteral("Stop"));
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        const QString path = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/calculation-running.png");
        QVERIFY(f.frame->grab().save(path));
        qInfo("picture of a running calculation: %s", qPrintable(path));
        QTest::mouseClick(button, Qt::LeftButton);
        WaitForCalculation(f.document);
        QCOMPARE(f.LastLogRow(3), QStringLiteral("Calculation stopped by the user"));
        const QString marked = QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/failed-statement-marked.png");
        QVERIFY(f.frame->grab().save(marked));
        qInfo("picture of the marked statement: %s", qPrintable(marked));
    }

    void closing_and_new_stop_a_run_first() {
        Fixture f;
        f.Start(kLongRun);
        f.document.FileNew();
        QVERIFY(!f.document.IsCalculating());
        QCOMPARE(f.Text(), QString());

        f.Start(kLongRun);
        QTRY_VERIFY(f.Indicator().isVisible()); // well into the series
        QVERIFY(f.frame->close());
        QVERIFY(!f.document.IsCalculating());
        QCOMPARE(f.Text(), QStringLiteral("1+1=2;\r\nSum(k, 1, 1e12, k)  ;\r\n3"));
    }

    void execute_file_runs_the_same_way_and_keeps_the_text() {
        Fixture f;
        f.View().SetDocumentText(u"typed;");
        const QString path = f.environment.FilePath(QStringLiteral("long.vcl"));
        WriteBytes(path, QByteArray::fromStdString(
                             NCalculatorText::EncodeCalculationFile(u"7->mem[a]; Sum(k, 1, 1e12, k)")));
        f.dialogs.Answer(path);
        f.frame->RunCommand(CommandId::FileExecute);
        QVERIFY(f.document.IsCalculating());
        QTRY_VERIFY(f.Indicator().isVisible());
        f.frame->RunCommand(CommandId::StopCalculation);
        WaitForCalculation(f.document);
        QCOMPARE(f.Text(), QStringLiteral("typed;"));
        QVERIFY(f.View().extraSelections().isEmpty());
        QCOMPARE(f.LastLogRow(3), QStringLiteral("Calculation stopped by the user"));
        QVERIFY(f.Enabled(CommandId::MemoryFree)); // the cell stored before the stop
    }

    void messages_cross_in_batches_in_their_order() {
        LogRelay relay;
        relay.Begin(true);
        std::thread worker([&relay] {
            relay.AddMessage({0, u"Memory", u"dropped by the clear", 3});
            relay.ClearMessages();
            for (int i = 0; i < 3000; ++i)
                relay.AddMessage({0, u"Memory", std::u16string(1, char16_t(u'a' + i % 26)), 10 + i / 1000});
        });
        worker.join();
        CountingLog log;
        std::vector<int> starts;
        relay.DeliverTo(&log, starts);
        QCOMPARE(log.clears, 1);
        QCOMPARE(log.texts.size(), size_t(3000));
        QVERIFY(log.texts[27] == u"b");
        QCOMPARE(starts, (std::vector<int>{10, 11, 12}));
        relay.DeliverTo(&log, starts); // nothing new
        QCOMPARE(log.texts.size(), size_t(3000));
        QCOMPARE(log.clears, 1);

        // A file's statements are not the editor's: their places are dropped.
        relay.Begin(false);
        relay.AddMessage({1, u"Division", u"x", 5});
        relay.DeliverTo(&log, starts);
        QCOMPARE(log.starts.back(), -1);
        QCOMPARE(starts.size(), size_t(3));
    }
};

QTEST_MAIN(CalculationRunTest)
#include "calculation_run_test.moc"
