#pragma once
// The progress dialog of a print job: the printing picture, the document, the page being
// printed of how many, the printer and the port, and Cancel, which stops the job after
// the current page.

#include <array>

#include "ui/dialogs/va_dialog.h"
#include "ui/resources/va_image.h"

class VaButton;
class VaStatic;

class CCalcPrintingDialog : public VaDialog {
    Q_OBJECT

  public:
    // pages 0: the count is not known and the page label stays "Page   ".
    CCalcPrintingDialog(const QString& document, const QString& printer, const QString& port, int pages,
                        QWidget* owner);

    // Redraws only when the number differs from the one shown.
    void ShowPage(int page);
    int ShownPage() const { return shownPage_; }
    bool Cancelled() const { return cancelled_; }
    VaButton* CancelButton() const { return cancel_; }
    // Label and value of each row, top to bottom.
    QStringList Texts() const;

    // "Of %u page   ", or "Page   " when the count is not known.
    static QString PageLabel(int pages);

    // Escape and the caption's close button cancel as the button does.
    void reject() override;

  signals:
    void cancelRequested();

  protected:
    bool DrawContent(QPainter& painter) override;
    void LayoutContent() override;

  private:
    void Cancel();

    VaImage picture_;
    std::array<VaStatic*, 4> labels_{};
    std::array<VaStatic*, 4> values_{};
    VaButton* cancel_ = nullptr;
    int labelsRight_ = 0;
    int shownPage_ = 1;
    bool cancelled_ = false;
};
