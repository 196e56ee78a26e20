// Printing from the main window through a real print service: cupsd with a cups-pdf queue
// started for this test. The print dialog is answered from a script as a user would fill
// it; the PDF the queue writes is read back with pdftotext page by page. Also Cancel in
// the progress dialog, print to file, the two failure messages and the printer kept
// between runs.

#include "window_fixtures.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "app/printing/calc_printing.h"
#include "tests/support/pdf_text.h"
#include "tests/support/scoped_answerer.h"
#include "ui/controls/va_button.h"
#include "ui/print/calc_page_setup.h"
#include "ui/print/calc_print_dialog.h"
#include "ui/print/calc_printing_dialog.h"
#include "ui/print/page_texts.h"
#include "ui/print/print_settings.h"
#include "ui/resources/va_fonts.h"

namespace {

const QString kQueue = qEnvironmentVariable("VANTOR_TEST_QUEUE");
const QString kPdfFolder = qEnvironmentVariable("VANTOR_TEST_PDF_DIR");

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1: 2+3*%1;").arg(i);
    return lines.join(QLatin1Char('\n'));
}

QStringList PdfFiles() {
    return QDir(kPdfFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

bool QueueIsEmpty() {
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-o"), kQueue}).trimmed().isEmpty();
}

// The next PDF the queue writes after the files listed in before.
QString WaitForPdf(const QStringList& before, int seconds = 60) {
    for (int tries = seconds * 10; tries > 0; --tries) {
        QStringList now = PdfFiles();
        for (const QString& name : before)
            now.removeAll(name);
        if (!now.isEmpty() && QueueIsEmpty())
            return QDir(kPdfFolder).filePath(now.first());
        QTest::qWait(100);
    }
    return {};
}

// Answers the print dialog: the test's queue, then whatever the row adds.
class ScriptedPrintDialog {
  public:
    using Fill = std::function<void(QPrinter&)>;
    explicit ScriptedPrintDialog(PrintDialogAnswer answer = {true, false}, Fill fill = {})
        : answerer_(CCalcPrintDialog::SetAnswerer,
                    [this, answer, fill](QPrinter& printer, const PrintDialogRequest& request) {
                        requests_.push_back(request);
                        printer.setPrinterName(kQueue);
                        if (fill)
                            fill(printer);
                        return answer;
                    }) {}
    const std::vector<PrintDialogRequest>& Requests() const { return requests_; }

  private:
    std::vector<PrintDialogRequest> requests_;
    const ScopedAnswerer<CCalcPrintDialog::Answerer> answerer_;
};

} // namespace

class PrintQueueTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture : MainWindowFixture {
        explicit Fixture(const QString& text, const QString& name = QStringLiteral("sum.vcl"))
            : MainWindowFixture({800, 500}) {
            printSettings = PrintSettings{};
            const QString path = environment.FilePath(name);
            WriteBytes(path, text.toUtf8());
            document.OnOpenDocument(path);
        }
        void Print() { frame->Action(CommandId::FilePrint)->trigger(); }
    };
  private slots:
    void initTestCase() {
        QVERIFY2(!kQueue.isEmpty(), "run through tests/x11/with_cups.sh");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // The styled dialogs' faces, as the program loads them at start.
        QVERIFY(VaFonts::Application().LoadFonts());
    }

    void menu_print_reaches_the_queue_with_header_footer_and_numbers() {
        Fixture fixture(Lines(130));
        ScriptedPrintDialog dialog;
        const QStringList before = PdfFiles();
        fixture.Print();
        QCOMPARE(dialog.Requests().size(), size_t(1));
        QVERIFY(!dialog.Requests()[0].selectionAvailable);
        const QString pdf = WaitForPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        QCOMPARE(PageCount(pdf), 3);
        const QString today = FooterText(QDateTime::currentDateTime(), false, true, QLocale());
        int line = 1;
        for (int page = 1; page <= 3; ++page) {
            const QStringList lines = PageLines(pdf, page);
            QCOMPARE(lines.first(), QStringLiteral("Calculator file sum.vcl"));
            QVERIFY2(lines.last().contains(today) &&
                         lines.last().endsWith(QStringLiteral("%1 of 3").arg(page)),
                     qPrintable(lines.last()));
            QCOMPARE(lines[1], QStringLiteral("line %1: 2+3*%1;").arg(line));
            line += static_cast<int>(lines.size()) - 2;
        }
        QCOMPARE(line, 131);
        QVERIFY(fixture.boxes.AllAnswered());
        QVERIFY(fixture.frame->isEnabled());
    }

    void the_selection_prints_from_its_first_character_to_its_end() {
        Fixture fixture(Lines(10));
        const QString text = fixture.frame->View()->toPlainText();
        QTextCursor cursor = fixture.frame->View()->textCursor();
        cursor.setPosition(static_cast<int>(text.indexOf(QStringLiteral("2+3*2;"))));
        cursor.setPosition(static_cast<int>(text.indexOf(QStringLiteral("*4;"))), QTextCursor::KeepAnchor);
        fixture.frame->View()->setTextCursor(cursor);
        ScriptedPrintDialog dialog({true, false},
                                   [](QPrinter& printer) { printer.setPrintRange(QPrinter::Selection); });
        const QStringList before = PdfFiles();
        fixture.Print();
        QVERIFY(dialog.Requests()[0].selectionAvailable);
        const QString pdf = WaitForPdf(before);
        QVERIFY(!pdf.isEmpty());
        const QStringList lines = PageLines(pdf, 1);
        QCOMPARE(lines.mid(1, 3), (QStringList{"2+3*2;", "line 3: 2+3*3;", "line 4: 2+3"}));
        QVERIFY(lines.last().endsWith(QStringLiteral("1 of 1")));
    }

    void a_page_range_prints_those_pages() {
        Fixture fixture(Lines(130));
        ScriptedPrintDialog dialog({true, false}, [](QPrinter& printer) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 2);
        });
        const QStringList before = PdfFiles();
        fixture.Print();
        const QString pdf = WaitForPdf(before);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PageCount(pdf), 1);
        QVERIFY(PageLines(pdf, 1).last().endsWith(QStringLiteral("2 of 3")));
    }

    void cancel_during_a_long_job_stops_after_the_page_and_prints_nothing() {
        Fixture fixture(Lines(30000)); // 589 pages
        ScriptedPrintDialog dialog;
        const QStringList before = PdfFiles();
        int shownWhenCancelled = 0;
        bool windowBlocked = false;
        QElapsedTimer sinceShown;
        // The window stays responsive while the job runs: this timer fires between pages. It
        // clicks Cancel once the dialog has finished opening, as a user can.
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<CCalcPrintingDialog*>(widget);
                if (progress == nullptr || !progress->isVisible())
                    continue;
                if (!sinceShown.isValid())
                    sinceShown.start();
                // The main window takes no input while the job runs.
                windowBlocked = QApplication::activeModalWidget() == progress;
                if (sinceShown.elapsed() < 400)
                    continue;
                shownWhenCancelled = progress->ShownPage();
                QWidget* cancel = progress->CancelButton();
                QTest::mouseClick(cancel, Qt::LeftButton, {}, cancel->rect().center());
                watcher.stop();
            }
        });
        watcher.start(0);
        fixture.Print();
        QVERIFY(shownWhenCancelled >= 1);
        QVERIFY(windowBlocked);
        QVERIFY2(shownWhenCancelled < 589, "the job ended before Cancel");
        QTest::qWait(3000);
        QCOMPARE(PdfFiles(), before);
        QVERIFY2(QueueIsEmpty(),
                 qPrintable(Run(QStringLiteral("lpstat"), {QStringLiteral("-l"), QStringLiteral("-o")})));
        QVERIFY(fixture.boxes.AllAnswered());
        QVERIFY(fixture.frame->isEnabled());
    }

    void print_to_file_asks_for_a_prn_file_and_writes_the_printers_output() {
        Fixture fixture(Lines(5));
        ScriptedPrintDialog dialog({true, true});
        const QString output = fixture.environment.FilePath(QStringLiteral("Output.prn"));
        fixture.dialogs.Answer(output);
        const QStringList before = PdfFiles();
        fixture.Print();
        QCOMPARE(fixture.dialogs.Requests().size(), size_t(1));
        const FileDialogRequest& request = fixture.dialogs.Requests()[0];
        QCOMPARE(request.mode, FileDialogMode::Save);
        QCOMPARE(request.title, QStringLiteral("Print to File"));
        QCOMPARE(request.defaultExtension, QStringLiteral("prn"));
        QCOMPARE(request.initialName, QStringLiteral("Output.prn"));
        QCOMPARE(request.filter, QStringLiteral("Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||"));
        QVERIFY(ReadBytes(output).startsWith("%PDF"));
        QCOMPARE(PageLines(output, 1).first(), QStringLiteral("Calculator file sum.vcl"));
        QTest::qWait(2000);
        QCOMPARE(PdfFiles(), before);
    }

    void a_document_that_cannot_start_says_the_printing_was_cancelled() {
        Fixture fixture(Lines(5));
        ScriptedPrintDialog dialog({true, true});
        fixture.dialogs.Answer(fixture.environment.FilePath(QStringLiteral("missing/folder/Output.prn")));
        fixture.boxes.Expect(QStringLiteral("The printing was cancelled."), IdOk);
        fixture.Print();
        QVERIFY2(fixture.boxes.AllAnswered(), qPrintable(fixture.boxes.Unexpected().join(", ")));
        QCOMPARE(fixture.boxes.Types().value(0),
                 (MessageType{MessageButtons::Close, MessageIcon::Exclamation}));
        QVERIFY(fixture.frame->isEnabled());
    }

    void direct_printing_on_an_unknown_printer_could_not_start() {
        Fixture fixture(Lines(5));
        fixture.boxes.Expect(QStringLiteral("Could not start print job."), IdOk);
        QVERIFY(!fixture.frame->Printing()->PrintDirect(QStringLiteral("no-such-printer")));
        QVERIFY(fixture.boxes.AllAnswered());
    }

    void direct_printing_uses_the_default_printer() {
        Fixture fixture(Lines(5), QStringLiteral("cells.vcm"));
        const QStringList before = PdfFiles();
        QVERIFY(fixture.frame->Printing()->PrintDirect(QString()));
        const QString pdf = WaitForPdf(before);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PageLines(pdf, 1).first(), QStringLiteral("Calculator memory file cells.vcm"));
    }

    void the_chosen_printer_is_kept_between_runs() {
        QString device;
        {
            Fixture fixture(Lines(1));
            ScriptedPrintDialog dialog(
                {true, false}, [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); });
            const QStringList before = PdfFiles();
            fixture.Print();
            QVERIFY(!WaitForPdf(before).isEmpty());
            QSettings settings;
            fixture.frame->Printing()->SaveSelection(settings);
            QCOMPARE(settings.value(QStringLiteral("Print/Device")).toString(), kQueue);
            QCOMPARE(settings.value(QStringLiteral("Print/Output")).toString(), QStringLiteral("cups-pdf:/"));
            QCOMPARE(settings.value(QStringLiteral("Print/Mode")).toByteArray().size(), 220);

            // The next run: a fresh printer restored from the settings.
            CCalcPrinting next(fixture.document, *fixture.frame->View(), fixture.frame.get());
            next.Printer().setPrinterName(QString());
            next.RestoreSelection(settings);
            QCOMPARE(next.Printer().printerName(), kQueue);
            QCOMPARE(next.Printer().pageLayout().orientation(), QPageLayout::Landscape);
        }
    }

    void preview_draws_the_pages_a_job_prints() {
        Fixture fixture(Lines(130));
        int pages = 0;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* preview = qobject_cast<QPrintPreviewDialog*>(widget)) {
                    auto* view = preview->findChild<QPrintPreviewWidget*>();
                    QTRY_VERIFY(view->pageCount() > 0);
                    pages = view->pageCount();
                    preview->reject();
                }
            }
        });
        fixture.frame->Action(CommandId::FilePrintPreview)->trigger();
        QCOMPARE(pages, 3);
    }

    // The preview's buttons lead to the program's own print job and page setup.
    void preview_buttons_print_and_set_up_the_page_as_the_menu_does() {
        Fixture fixture(Lines(130));
        ScriptedPrintDialog dialog;
        const QStringList before = PdfFiles();
        bool pageSetupShown = false;
        QTimer::singleShot(0, this, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(preview != nullptr);
            const auto button = [preview](const QString& text) {
                for (QAction* action : preview->findChildren<QAction*>())
                    if (action->text() == text)
                        return action;
                return static_cast<QAction*>(nullptr);
            };
            QTimer::singleShot(0, this, [&] {
                auto* setup = qobject_cast<CCalcPageSetup*>(QApplication::activeModalWidget());
                pageSetupShown = setup != nullptr;
                if (setup)
                    setup->reject();
            });
            button(QStringLiteral("Page setup"))->trigger();
            button(QStringLiteral("Print"))->trigger();
        });
        fixture.frame->Action(CommandId::FilePrintPreview)->trigger();
        QVERIFY(pageSetupShown);
        QCOMPARE(dialog.Requests().size(), size_t(1));
        const QString pdf = WaitForPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        QCOMPARE(PageCount(pdf), 3);
    }
};

QTEST_MAIN(PrintQueueTest)
#include "print_queue_cups_test.moc"
