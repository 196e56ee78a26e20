#pragma once
// One print job from its first page to its last: the pages counted when "n of N" needs
// the total, drawn one per turn of the event loop so that the window stays responsive,
// with the progress dialog and its Cancel. The pages go to a file first and reach the
// printer's queue only when the job ends well, so Cancel leaves nothing printed.

#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/print/calc_printing_dialog.h"
#include "ui/print/printed_pages.h"

class QPrinter;
class QWidget;

enum class PrintJobResult { Printed, Cancelled, Failed };

struct PrintJobRequest {
    PrintSource source;
    QString documentName;
    QString outputFile; // "print to file": the chosen ".prn" file
};

class CCalcPrintJob : public QObject {
    Q_OBJECT

  public:
    // owner owns the progress dialog, which is modal: the owner takes no input meanwhile
    // (a disabled owner would disable the dialog's Cancel with it).
    CCalcPrintJob(QPrinter& printer, PrintJobRequest request, QWidget* owner);
    ~CCalcPrintJob() override;

    PrintJobResult Run();
    CCalcPrintingDialog* Progress() const { return progress_; }

  signals:
    void pageDrawn(int page);

  private:
    QPrinter& printer_;
    PrintJobRequest request_;
    QPointer<QWidget> owner_;
    QPointer<CCalcPrintingDialog> progress_;
};
