#include "ui/print/calc_printing_dialog.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/print/printing_dialog_layout.h"

namespace {

enum Row { DocumentRow, PageRow, PrinterRow, PortRow };

// A stand-in for the program's printing picture until its artwork is embedded: a sheet
// coming out of a printer.
QPixmap PrintingPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), std::max(1.0, w / 60)));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(w * 0.3, h * 0.08, w * 0.4, h * 0.5));
    painter.setBrush(QColor(0x1E, 0x5A, 0xA8));
    painter.drawRoundedRect(QRectF(w * 0.1, h * 0.45, w * 0.8, h * 0.35), w / 20, w / 20);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(w * 0.3, h * 0.7, w * 0.4, h * 0.22));
    return picture;
}

} // namespace

QString CCalcPrintingDialog::PageLabel(int pages) {
    return pages > 0 ? QStringLiteral("Of %1 page   ").arg(static_cast<unsigned>(pages))
                     : QStringLiteral("Page   ");
}

CCalcPrintingDialog::CCalcPrintingDialog(const QString& document, const QString& printer, const QString& port,
                                         int pages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("PrintingDialog"));
    setWindowTitle(QStringLiteral("Printing"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));
    const std::array<QString, 4> labelTexts = {QStringLiteral("Document   "), PageLabel(pages),
                                               QStringLiteral("Printer   "), QStringLiteral("Port   ")};
    const std::array<QString, 4> valueTexts = {document, QStringLiteral("1"), printer, port};
    QFont labelFont = font();
    labelFont.setWeight(QFont::DemiBold);
    for (size_t row = 0; row < labels_.size(); ++row) {
        labels_[row] = new QLabel(labelTexts[row], this);
        labels_[row]->setFont(labelFont);
        labels_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values_[row] = new QLabel(valueTexts[row], this);
        values_[row]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (QLabel* label : {labels_[row], values_[row]})
            label->setStyleSheet(QStringLiteral("color: #202020"));
    }
    values_[PageRow]->setAccessibleName(QStringLiteral("page being printed"));
    picture_ = new QLabel(this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setAccessibleName(QStringLiteral("Cancel printing"));
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &CCalcPrintingDialog::Cancel);
    LayOut();
}

void CCalcPrintingDialog::LayOut() {
    int labelWidth = 0;
    int valueWidth = 0;
    for (size_t row = 0; row < labels_.size(); ++row) {
        labelWidth = std::max(labelWidth, labels_[row]->sizeHint().width());
        valueWidth = std::max(valueWidth, values_[row]->sizeHint().width());
    }
    // Room for page numbers that grow while the job runs.
    valueWidth = std::max(valueWidth, QFontMetrics(values_[PageRow]->font()).horizontalAdvance("00000"));
    const PrintingDialogLayout layout =
        LayOutPrintingDialog(logicalDpiX(), logicalDpiY(), labelWidth, valueWidth,
                             labels_[0]->sizeHint().height(), cancel_->sizeHint().expandedTo(QSize(90, 0)));
    picture_->setGeometry(layout.picture);
    picture_->setPixmap(PrintingPicture(layout.picture.size()));
    for (size_t row = 0; row < labels_.size(); ++row) {
        labels_[row]->setGeometry(layout.labels[row]);
        values_[row]->setGeometry(layout.values[row]);
    }
    cancel_->setGeometry(layout.cancel);
    setFixedSize(layout.size);
}

void CCalcPrintingDialog::ShowPage(int page) {
    if (page == shownPage_)
        return;
    shownPage_ = page;
    values_[PageRow]->setText(QString::number(page));
}

void CCalcPrintingDialog::Cancel() {
    cancelled_ = true;
    hide();
    emit cancelRequested();
}

void CCalcPrintingDialog::reject() {
    Cancel();
}
