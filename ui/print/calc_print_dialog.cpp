#include "ui/print/calc_print_dialog.h"
#include "ui/dialogs/dialog_decoration.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

CCalcPrintDialog::Answerer& ScriptedAnswerer() {
    static CCalcPrintDialog::Answerer answerer;
    return answerer;
}

} // namespace

CCalcPrintDialog::CCalcPrintDialog(QPrinter& printer, PrintDialogRequest request, QWidget* owner)
    : printer_(printer), request_(request), owner_(owner) {}

PrintDialogAnswer CCalcPrintDialog::Run() {
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    if (ScriptedAnswerer())
        return ScriptedAnswerer()(printer_, request_);

    QPrintDialog dialog(&printer_, owner_);
    DecorateDialog(&dialog);
    if (request_.mode == PrintDialogMode::Setup) {
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
        return {dialog.exec() == QDialog::Accepted, false};
    }
    dialog.setMinMax(1, 65535);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintPageRange |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (request_.selectionAvailable)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);

    auto* fileTab = new QWidget;
    fileTab->setWindowTitle(QStringLiteral("Output"));
    auto* toFile = new QCheckBox(QStringLiteral("Print to &file"), fileTab);
    toFile->setToolTip(QStringLiteral("Write what the printer would receive into a .prn file"));
    auto* layout = new QVBoxLayout(fileTab);
    layout->addWidget(toFile);
    layout->addStretch();
    dialog.setOptionTabs({fileTab});

    PrintDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    // Qt's own "Print to File (PDF)" printer names its file in the dialog already.
    answer.printToFile = toFile->isChecked() && printer_.outputFormat() == QPrinter::NativeFormat;
    return answer;
}

CCalcPrintDialog::Answerer CCalcPrintDialog::SetAnswerer(Answerer answerer) {
    return std::exchange(ScriptedAnswerer(), std::move(answerer));
}
