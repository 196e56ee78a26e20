#pragma once
// The progress dialog of a print job: the document, the page being printed of how many,
// the printer and the port, and Cancel, which stops the job after the current page.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

class CCalcPrintingDialog : public QDialog {
    Q_OBJECT

  public:
    // pages 0: the count is not known and the page label stays "Page   ".
    CCalcPrintingDialog(const QString& document, const QString& printer, const QString& port, int pages,
                        QWidget* owner);

    // Redraws only when the number differs from the one shown.
    void ShowPage(int page);
    int ShownPage() const { return shownPage_; }
    bool Cancelled() const { return cancelled_; }

    // "Of %u page   ", or "Page   " when the count is not known.
    static QString PageLabel(int pages);

    // Escape and the window's close button cancel as the button does.
    void reject() override;

  signals:
    void cancelRequested();

  private:
    void Cancel();
    void LayOut();

    std::array<QLabel*, 4> labels_{};
    std::array<QLabel*, 4> values_{};
    QLabel* picture_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int shownPage_ = 1;
    bool cancelled_ = false;
};
