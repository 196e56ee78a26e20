#include "ui/print/calc_printing_dialog.h"

#include <QPainter>

#include "ui/controls/va_button.h"
#include "ui/controls/va_static.h"
#include "ui/dialogs/content_look.h"
#include "ui/dialogs/message_kinds.h"
#include "ui/print/printing_dialog_layout.h"

namespace {

enum Row { DocumentRow, PageRow, PrinterRow, PortRow };

} // namespace

QString CCalcPrintingDialog::PageLabel(int pages) {
    return pages > 0 ? QStringLiteral("Of %1 page   ").arg(static_cast<unsigned>(pages))
                     : QStringLiteral("Page   ");
}

CCalcPrintingDialog::CCalcPrintingDialog(const QString& document, const QString& printer, const QString& port,
                                         int pages, QWidget* owner)
    : VaDialog(owner, QStringLiteral("Printing")), cancel_(new VaButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("PrintingDialog"));
    const std::array<QString, 4> labelTexts = {QStringLiteral("Document   "), PageLabel(pages),
                                               QStringLiteral("Printer   "), QStringLiteral("Port   ")};
    const std::array<QString, 4> valueTexts = {document, QStringLiteral("1"), printer, port};
    for (size_t row = 0; row < labels_.size(); ++row) {
        labels_[row] = new VaStatic(labelTexts[row], this);
        StyleText(*labels_[row], true);
        values_[row] = new VaStatic(valueTexts[row], this);
        StyleText(*values_[row]);
    }
    values_[PageRow]->setAccessibleName(QStringLiteral("page being printed"));
    StyleButton(*cancel_);
    cancel_->setAccessibleName(QStringLiteral("Cancel printing"));
    connect(cancel_, &QAbstractButton::clicked, this, &CCalcPrintingDialog::Cancel);
}

QStringList CCalcPrintingDialog::Texts() const {
    QStringList texts;
    for (size_t row = 0; row < labels_.size(); ++row)
        texts << labels_[row]->Text() << values_[row]->Text();
    return texts;
}

void CCalcPrintingDialog::LayoutContent() {
    int labelWidth = 0;
    int valueWidth = 0;
    for (size_t row = 0; row < labels_.size(); ++row) {
        labelWidth = std::max(labelWidth, labels_[row]->PreferredSize().width());
        valueWidth = std::max(valueWidth, values_[row]->PreferredSize().width());
    }
    const PrintingDialogLayout layout = LayOutPrintingDialog(
        logicalDpiX(), logicalDpiY(), Caption().height, labelWidth, valueWidth, cancel_->PreferredSize());
    SetFrameSize(layout.frame);
    picture_.LoadPngScaled(VaImageId::Printing, layout.picture.width(), layout.picture.height(),
                           devicePixelRatioF());
    picture_.SetPosition(FramePoint(layout.picture.topLeft()));
    labelsRight_ = layout.labelsRight;
    for (size_t row = 0; row < labels_.size(); ++row) {
        Place(labels_[row], QPoint(labelsRight_ - labels_[row]->width(), layout.rowTops[row]));
        Place(values_[row], QPoint(labelsRight_, layout.rowTops[row]));
    }
    Place(cancel_, layout.cancel.topLeft());
    cancel_->setDefault(true);
    cancel_->setFocus();
}

bool CCalcPrintingDialog::DrawContent(QPainter& painter) {
    bool drawn = picture_.DrawTo(painter);
    for (size_t row = 0; row < labels_.size(); ++row)
        drawn = labels_[row]->DrawTo(painter) && values_[row]->DrawTo(painter) && drawn;
    return cancel_->DrawTo(painter) && drawn;
}

void CCalcPrintingDialog::ShowPage(int page) {
    if (page == shownPage_)
        return;
    shownPage_ = page;
    values_[PageRow]->SetText(QString::number(page));
    values_[PageRow]->PreferredSize();
    update();
}

void CCalcPrintingDialog::Cancel() {
    cancelled_ = true;
    emit cancelRequested();
    done(IdCancel);
}

void CCalcPrintingDialog::reject() {
    Cancel();
}
