#include "ui/print/calc_page_setup.h"
#include "ui/dialogs/dialog_decoration.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/print/calc_print_dialog.h"
#include "ui/print/font_group.h"
#include "ui/print/printer_geometry.h"

namespace {

constexpr int kDefaultFormat = static_cast<int>(NumberFormat::OfTotal);
constexpr int kDefaultPosition = static_cast<int>(NumberPosition::FooterRight);

QList<QPageSize> PaperSizesOf(const QString& printerName) {
    QList<QPageSize> sizes = QPrinterInfo::printerInfo(printerName).supportedPageSizes();
    if (sizes.isEmpty()) {
        for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3,
                                         QPageSize::A5, QPageSize::B5, QPageSize::Executive})
            sizes << QPageSize(id);
    }
    return sizes;
}

QCheckBox* ItemBox(const QString& text, const char* id, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(id));
    box->setAccessibleName(box->text().remove(QLatin1Char('&')));
    box->setChecked(checked);
    return box;
}

} // namespace

CCalcPageSetup::CCalcPageSetup(QPrinter& printer, const PrintSettings& settings, MarginUnit unit,
                               QWidget* owner)
    : QDialog(owner), unit_(unit), printerName_(printer.printerName()) {
    setObjectName(QStringLiteral("PageSetup"));
    setWindowTitle(QStringLiteral("Page Setup"));
    DecorateDialog(this);
    const PageSetupValues values = PageSetupValuesFrom(settings, unit);

    auto* paperGroup = CreatePaperGroup();
    FillPaperSizes(printer.pageLayout().pageSize());
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);

    textFont_ = new FontGroup(QStringLiteral("Text font"), values.textFont, kDefaultTextFont, "1114", "1110",
                              "1113", this);
    serviceFont_ = new FontGroup(QStringLiteral("Header/footer font"), values.serviceFont,
                                 kDefaultServiceFont, "1116", "1111", "1115", this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* printerButton =
        buttons->addButton(QStringLiteral("&Printer..."), QDialogButtonBox::ActionRole);
    printerButton->setObjectName(QStringLiteral("1026"));
    connect(printerButton, &QPushButton::clicked, this, &CCalcPageSetup::ChoosePrinter);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(paperGroup, 0, 0);
    grid->addWidget(CreateMarginGroup(values), 0, 1);
    grid->addWidget(CreatePageGroup(values.items), 1, 0, 2, 1);
    grid->addWidget(textFont_, 1, 1);
    grid->addWidget(serviceFont_, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    // A form has nothing to gain from more room; a fixed size also takes the window
    // manager's maximize away.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateNumberControls();
}

QWidget* CCalcPageSetup::CreatePaperGroup() {
    auto* group = new QGroupBox(QStringLiteral("Paper"), this);
    paperSize_ = new QComboBox(group);
    paperSize_->setObjectName(QStringLiteral("1137"));
    paperSize_->setAccessibleName(QStringLiteral("Paper size"));
    portrait_ = new QRadioButton(QStringLiteral("P&ortrait"), group);
    portrait_->setObjectName(QStringLiteral("1056"));
    landscape_ = new QRadioButton(QStringLiteral("L&andscape"), group);
    landscape_->setObjectName(QStringLiteral("1057"));
    auto* orientation = new QButtonGroup(group);
    orientation->addButton(portrait_);
    orientation->addButton(landscape_);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Si&ze:"), paperSize_);
    form->addRow(QStringLiteral("Orientation:"), portrait_);
    form->addRow(QString(), landscape_);
    return group;
}

QWidget* CCalcPageSetup::CreateMarginGroup(const PageSetupValues& values) {
    const bool metric = unit_ == MarginUnit::HundredthsOfMillimetre;
    auto* group = new QGroupBox(
        metric ? QStringLiteral("Margins (millimetres)") : QStringLiteral("Margins (inches)"), this);
    auto* form = new QFormLayout(group);
    const char* ids[] = {"1155", "1156", "1157", "1158"};
    const QString names[] = {QStringLiteral("&Left:"), QStringLiteral("&Top:"), QStringLiteral("&Right:"),
                             QStringLiteral("&Bottom:")};
    const double perWhole = ShownUnitsPerWhole(unit_);
    for (size_t side = 0; side < margins_.size(); ++side) {
        auto* box = new QDoubleSpinBox(group);
        box->setObjectName(QLatin1String(ids[side]));
        box->setAccessibleName(QString(names[side]).remove(QLatin1Char('&')).remove(QLatin1Char(':')) +
                               QStringLiteral(" margin"));
        box->setDecimals(metric ? 2 : 3);
        box->setRange(0, metric ? 1000 : 40);
        box->setSingleStep(metric ? 1 : 0.1);
        box->setValue(values.margins[side] / perWhole);
        margins_[side] = box;
        form->addRow(names[side], box);
    }
    return group;
}

QWidget* CCalcPageSetup::CreatePageGroup(const PageItems& items) {
    auto* group = new QGroupBox(QStringLiteral("Page"), this);
    fileInfo_ = ItemBox(QStringLiteral("File &info"), "1100", items.fileInfo, group);
    date_ = ItemBox(QStringLiteral("&Date"), "1101", items.date, group);
    time_ = ItemBox(QStringLiteral("T&ime"), "1106", items.time, group);
    number_ = ItemBox(QStringLiteral("&Number"), "1107", items.number, group);
    format_ = new QComboBox(group);
    format_->setObjectName(QStringLiteral("1108"));
    format_->setAccessibleName(QStringLiteral("Number format"));
    format_->addItems({QStringLiteral("n"), QStringLiteral("- n -"), QStringLiteral("n of N")});
    format_->setCurrentIndex(static_cast<int>(items.format));
    position_ = new QComboBox(group);
    position_->setObjectName(QStringLiteral("1109"));
    position_->setAccessibleName(QStringLiteral("Position"));
    position_->addItems({QStringLiteral("Header center"), QStringLiteral("Header right"),
                         QStringLiteral("Footer center"), QStringLiteral("Footer right")});
    position_->setCurrentIndex(static_cast<int>(items.position));
    connect(number_, &QCheckBox::clicked, this, &CCalcPageSetup::UpdateNumberControls);

    auto* layout = new QGridLayout(group);
    layout->addWidget(fileInfo_, 0, 0);
    layout->addWidget(date_, 1, 0);
    layout->addWidget(time_, 2, 0);
    layout->addWidget(number_, 3, 0);
    layout->addWidget(new QLabel(QStringLiteral("Number format"), group), 4, 0);
    layout->addWidget(format_, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("Position"), group), 5, 0);
    layout->addWidget(position_, 5, 1);
    return group;
}

void CCalcPageSetup::FillPaperSizes(const QPageSize& wanted) {
    paperSize_->clear();
    int chosen = -1;
    for (const QPageSize& size : PaperSizesOf(printerName_)) {
        if (size.isEquivalentTo(wanted))
            chosen = paperSize_->count();
        paperSize_->addItem(size.name(), size.key());
    }
    if (chosen < 0 && wanted.isValid()) {
        chosen = paperSize_->count();
        paperSize_->addItem(wanted.name(), wanted.key());
    }
    paperSize_->setCurrentIndex(std::max(chosen, 0));
}

void CCalcPageSetup::ChoosePrinter() {
    QPrinter chooser(QPrinter::HighResolution);
    if (!printerName_.isEmpty())
        chooser.setPrinterName(printerName_);
    CCalcPrintDialog dialog(chooser, {PrintDialogMode::Setup, false}, this);
    if (!dialog.Run().accepted)
        return;
    const QString wanted = paperSize_->currentData().toString();
    printerName_ = chooser.printerName();
    FillPaperSizes(PageSizeOfKey(wanted));
}

void CCalcPageSetup::UpdateNumberControls() {
    format_->setEnabled(number_->isChecked());
    position_->setEnabled(number_->isChecked());
}

PageSetupValues CCalcPageSetup::Values() const {
    PageSetupValues values;
    values.items.fileInfo = fileInfo_->isChecked();
    values.items.date = date_->isChecked();
    values.items.time = time_->isChecked();
    values.items.number = number_->isChecked();
    // A combo box without a selection stores its default.
    const int format = format_->currentIndex() < 0 ? kDefaultFormat : format_->currentIndex();
    const int position = position_->currentIndex() < 0 ? kDefaultPosition : position_->currentIndex();
    values.items.format = static_cast<NumberFormat>(format);
    values.items.position = static_cast<NumberPosition>(position);
    const double perWhole = ShownUnitsPerWhole(unit_);
    for (size_t side = 0; side < margins_.size(); ++side)
        values.margins[side] = qRound(margins_[side]->value() * perWhole);
    values.textFont = textFont_->Font();
    values.serviceFont = serviceFont_->Font();
    return values;
}

void CCalcPageSetup::StoreInto(PrintSettings& settings, QPrinter& printer) const {
    settings = SettingsWith(settings, Values(), unit_);
    if (!printerName_.isEmpty() && printer.printerName() != printerName_)
        printer.setPrinterName(printerName_);
    const QPageSize size = PageSizeOfKey(paperSize_->currentData().toString());
    if (size.isValid())
        printer.setPageSize(size);
    printer.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}
