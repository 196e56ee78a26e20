#include "ui/print/calc_print_preview.h"
#include "ui/dialogs/dialog_decoration.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/print/printed_pages.h"
#include "ui/print/printer_geometry.h"

void DrawAllPages(QPrinter& printer, const PrintSource& source) {
    PrintedPages pages(source, printSettings, GeometryOf(printer), &printer, QDateTime::currentDateTime());
    if (pages.NeedsCount() && pages.PageCanBeUsed())
        pages.SetTotal(pages.CountPages());
    QPainter painter(&printer);
    for (int page = 1; pages.Exists(page); ++page) {
        if (page > 1)
            printer.newPage();
        pages.Draw(painter, page);
    }
}

void ShowPrintPreview(QPrinter& printer, const PrintSource& source, QWidget* owner) {
    PreparePrinter(printer);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    DecorateDialog(&dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&source](QPrinter* target) { DrawAllPages(*target, source); });
    dialog.exec();
}
