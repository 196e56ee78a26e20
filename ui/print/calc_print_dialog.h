#pragma once
// The print dialog of every job: Qt's print dialog on the application's printer, with
// the page range, the copies, the Selection choice when the editor has a selection, and
// a "Print to file" box for the chosen printer's own output; a hook lets tests answer it.

#include <functional>

class QPrinter;
class QWidget;

// Print: range, copies and "Print to file"; Setup: only which printer (the page setup's
// "Printer...").
enum class PrintDialogMode { Print, Setup };

struct PrintDialogRequest {
    PrintDialogMode mode = PrintDialogMode::Print;
    bool selectionAvailable = false;
};

struct PrintDialogAnswer {
    bool accepted = false;
    bool printToFile = false; // the printer's output goes to a ".prn" file
};

class CCalcPrintDialog {
  public:
    CCalcPrintDialog(QPrinter& printer, PrintDialogRequest request, QWidget* owner);

    // Leaves the user's choices in the printer.
    PrintDialogAnswer Run();

    // Tests answer from a script: the answerer sets the printer as a user would.
    using Answerer = std::function<PrintDialogAnswer(QPrinter& printer, const PrintDialogRequest& request)>;
    static Answerer SetAnswerer(Answerer answerer);

  private:
    QPrinter& printer_;
    PrintDialogRequest request_;
    QWidget* owner_;
};
