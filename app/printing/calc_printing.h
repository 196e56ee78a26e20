#pragma once
// The printing commands of the main window on the application's printer: Print with the
// print dialog, direct printing (the command line's /p and /pt), Print Preview and Page
// Setup; and the printer selection kept between runs.

#include <QObject>
#include <QPrinter>

struct PrintSource;
class CCalcDoc;
class CCalcView;
class QSettings;
class QWidget;

class CCalcPrinting : public QObject {
    Q_OBJECT

  public:
    CCalcPrinting(CCalcDoc& document, CCalcView& view, QWidget* window);

    QPrinter& Printer() { return printer_; }

    void Print();
    // On the named printer, or on the default one when the name is empty; false when that
    // printer cannot be opened (the user has been told).
    bool PrintDirect(const QString& printerName);
    // The preview's Print button runs Print; its Page setup button runs PageSetup.
    void Preview();
    // False when cancelled.
    bool PageSetup();

    // Restores only when no printer has been chosen yet.
    void RestoreSelection(const QSettings& settings);
    // Saves only when a printer was chosen or restored.
    void SaveSelection(QSettings& settings) const;

  private:
    PrintSource Source(bool selectionOnly) const;
    bool RunJob(bool selectionOnly, const QString& outputFile);

    CCalcDoc& document_;
    CCalcView& view_;
    QWidget* window_;
    QPrinter printer_{QPrinter::HighResolution};
    bool selected_ = false;
};
