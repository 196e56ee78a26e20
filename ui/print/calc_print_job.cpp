#include "ui/print/calc_print_job.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>

#include "ui/print/calc_printing_dialog.h"
#include "ui/print/job_range.h"
#include "ui/print/print_messages.h"
#include "ui/print/print_service.h"
#include "ui/print/printer_geometry.h"

namespace {

// Where the job's pages go: the user's file, Qt's PDF file, or a spool file handed to
// the printer's queue at the end.
struct JobOutput {
    QString path;
    bool spooled = false;
};

JobOutput ChooseOutput(QPrinter& printer, const QString& outputFile) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return {printer.outputFileName(), false};
    if (!outputFile.isEmpty()) {
        printer.setOutputFileName(outputFile);
        return {outputFile, false};
    }
    // Not ".pdf": that name would switch the printer from its queue to Qt's PDF writer.
    QTemporaryFile spool(QDir::tempPath() + QStringLiteral("/vantor-print-XXXXXX.prn"));
    spool.setAutoRemove(false);
    if (!spool.open())
        return {};
    printer.setOutputFileName(spool.fileName());
    return {spool.fileName(), true};
}

QString PortOf(const QPrinter& printer, const QString& outputFile) {
    if (!outputFile.isEmpty())
        return QFileInfo(outputFile).fileName();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QFileInfo(printer.outputFileName()).fileName();
    return PrinterPort(printer.printerName());
}

// The dialog's page range; 0 to 0 means all pages.
std::pair<int, int> RequestedPages(const QPrinter& printer) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        return {printer.fromPage(), printer.toPage()};
    return {1, kUncountedMaximumPage};
}

} // namespace

CCalcPrintJob::CCalcPrintJob(QPrinter& printer, PrintJobRequest request, QWidget* owner)
    : printer_(printer), request_(std::move(request)), owner_(owner) {}

CCalcPrintJob::~CCalcPrintJob() = default;

PrintJobResult CCalcPrintJob::Run() {
    PreparePrinter(printer_);
    PrintedPages pages(request_.source, printSettings, GeometryOf(printer_), &printer_,
                       QDateTime::currentDateTime());
    int maximum = kUncountedMaximumPage;
    if (pages.NeedsCount() && pages.PageCanBeUsed()) {
        maximum = pages.CountPages();
        pages.SetTotal(maximum);
    }
    const auto [from, to] = RequestedPages(printer_);
    const JobRange range = ComputeJobRange(from, to, 1, maximum);

    const JobOutput output = ChooseOutput(printer_, request_.outputFile);
    const QString printerName =
        printer_.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF") : printer_.printerName();
    printer_.setDocName(request_.documentName);
    progress_ =
        new CCalcPrintingDialog(request_.documentName, printerName, PortOf(printer_, request_.outputFile),
                                range.end == kUncountedMaximumPage ? 0 : range.pages, owner_);
    progress_->show();

    const auto restore = [&] {
        if (printer_.outputFormat() == QPrinter::NativeFormat)
            printer_.setOutputFileName(QString());
        // Closes with its animation, then goes.
        if (progress_) {
            connect(progress_, &QDialog::finished, progress_, &QObject::deleteLater);
            progress_->done(QDialog::Accepted);
        }
    };

    QPainter painter;
    if (output.path.isEmpty() || !painter.begin(&printer_)) {
        if (output.spooled)
            QFile::remove(output.path);
        restore();
        ReportPrintMessage(PrintMessage::Cancelled);
        return PrintJobResult::Failed;
    }

    PrintJobResult result = PrintJobResult::Printed;
    QEventLoop loop;
    int page = range.start;
    bool firstPage = true;
    std::function<void()> printNext = [&] {
        if (progress_ == nullptr || progress_->Cancelled()) {
            result = PrintJobResult::Cancelled;
            loop.quit();
            return;
        }
        if (page == range.end || !pages.Exists(page)) {
            loop.quit();
            return;
        }
        progress_->ShowPage(page);
        if (!firstPage && !printer_.newPage()) {
            result = PrintJobResult::Failed;
            loop.quit();
            return;
        }
        firstPage = false;
        pages.Draw(painter, page);
        emit pageDrawn(page);
        page += range.step;
        QTimer::singleShot(0, &loop, printNext);
    };
    QTimer::singleShot(0, &loop, printNext);
    loop.exec();
    painter.end();

    // An aborted job leaves nothing behind; a finished one reaches the queue.
    bool refused = false;
    if (result != PrintJobResult::Printed)
        QFile::remove(output.path);
    else if (output.spooled)
        refused = !SubmitPrintFile(printer_, output.path, request_.documentName);
    if (output.spooled)
        QFile::remove(output.path);
    restore();
    if (refused) {
        ReportPrintMessage(PrintMessage::Cancelled);
        return PrintJobResult::Failed;
    }
    return result;
}
