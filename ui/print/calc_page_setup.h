#pragma once
// The page setup: the printer's paper size and orientation, the four margins in the
// locale's unit, the header and footer items, the number's format and position, the two
// fonts, and "Printer..." to choose another printer. OK stores into the print settings
// and the application's printer; Cancel changes neither.

#include <QDialog>
#include <QPageLayout>
#include <QPageSize>

#include <array>

#include "ui/print/margin_units.h"
#include "ui/print/page_setup_values.h"

class FontGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QRadioButton;

class CCalcPageSetup : public QDialog {
    Q_OBJECT

  public:
    CCalcPageSetup(QPrinter& printer, const PrintSettings& settings, MarginUnit unit, QWidget* owner);

    PageSetupValues Values() const;
    QString PrinterName() const { return printerName_; }
    // After OK: stores the values and the chosen printer, paper and orientation.
    void StoreInto(PrintSettings& settings, QPrinter& printer) const;

  private:
    QWidget* CreatePaperGroup();
    QWidget* CreateMarginGroup(const PageSetupValues& values);
    QWidget* CreatePageGroup(const PageItems& items);
    void FillPaperSizes(const QPageSize& wanted);
    void ChoosePrinter();
    void UpdateNumberControls();

    MarginUnit unit_;
    QString printerName_;
    QComboBox* paperSize_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    std::array<QDoubleSpinBox*, 4> margins_{};
    QCheckBox* fileInfo_ = nullptr;
    QCheckBox* date_ = nullptr;
    QCheckBox* time_ = nullptr;
    QCheckBox* number_ = nullptr;
    QComboBox* format_ = nullptr;
    QComboBox* position_ = nullptr;
    FontGroup* textFont_ = nullptr;
    FontGroup* serviceFont_ = nullptr;
};
