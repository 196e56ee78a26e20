#include "app/printing/calc_printing.h"

#include <QLocale>
#include <QPrinterInfo>
#include <QSettings>

#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/print/calc_page_setup.h"
#include "ui/print/calc_print_dialog.h"
#include "ui/print/calc_print_job.h"
#include "ui/print/calc_print_preview.h"
#include "ui/print/print_messages.h"
#include "ui/print/printer_selection.h"

CCalcPrinting::CCalcPrinting(CCalcDoc& document, CCalcView& view, QWidget* window)
    : QObject(window), document_(document), view_(view), window_(window) {}

PrintSource CCalcPrinting::Source(bool selectionOnly) const {
    PrintSource source;
    source.text = view_.toPlainText();
    const QTextCursor cursor = view_.textCursor();
    source.begin = selectionOnly ? cursor.selectionStart() : 0;
    source.end = selectionOnly ? cursor.selectionEnd() : static_cast<int>(source.text.size());
    source.pathName = document_.PathName();
    source.editorFont = view_.font();
    return source;
}

bool CCalcPrinting::RunJob(bool selectionOnly, const QString& outputFile) {
    CCalcPrintJob job(printer_, {Source(selectionOnly), document_.Title(), outputFile}, window_);
    return job.Run() == PrintJobResult::Printed;
}

void CCalcPrinting::Print() {
    const bool selection = view_.textCursor().hasSelection();
    CCalcPrintDialog dialog(printer_, {PrintDialogMode::Print, selection}, window_);
    const PrintDialogAnswer answer = dialog.Run();
    if (!answer.accepted)
        return;
    selected_ = true;
    QString outputFile;
    if (answer.printToFile) {
        FileDialogRequest request;
        request.mode = FileDialogMode::Save;
        request.title = QStringLiteral("Print to File");
        request.defaultExtension = QStringLiteral("prn");
        request.initialName = QStringLiteral("Output.prn");
        request.filter = QStringLiteral("Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||");
        outputFile = CCalcFileDialog(request, window_).Run();
        if (outputFile.isEmpty())
            return;
    }
    RunJob(selection && printer_.printRange() == QPrinter::Selection, outputFile);
}

bool CCalcPrinting::PrintDirect(const QString& printerName) {
    const QPrinterInfo info =
        printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        ReportPrintMessage(PrintMessage::CouldNotStart);
        return false;
    }
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(info.printerName());
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    RunJob(false, QString());
    return true;
}

void CCalcPrinting::Preview() {
    if (ShowPrintPreview(printer_, Source(false), window_, [this] { return PageSetup(); }) ==
        PreviewOutcome::PrintAsked)
        Print();
}

bool CCalcPrinting::PageSetup() {
    CCalcPageSetup dialog(printer_, printSettings, MarginUnitFor(QLocale::system().measurementSystem()),
                          window_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.StoreInto(printSettings, printer_);
    selected_ = true;
    return true;
}

void CCalcPrinting::RestoreSelection(const QSettings& settings) {
    if (selected_)
        return;
    if (const std::optional<PrinterSelection> selection = ReadPrinterSelection(settings)) {
        ApplySelection(*selection, printer_);
        selected_ = true;
    }
}

void CCalcPrinting::SaveSelection(QSettings& settings) const {
    if (selected_ && printer_.outputFormat() == QPrinter::NativeFormat && !printer_.printerName().isEmpty())
        WritePrinterSelection(settings, SelectionOf(printer_));
}
