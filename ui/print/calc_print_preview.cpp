#include "ui/print/calc_print_preview.h"
#include "ui/dialogs/dialog_decoration.h"

#include <QAction>
#include <QCoreApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
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

namespace {

// The preview's own button of that (untranslated) text, with Qt's handler taken away.
QAction* TakeOverButton(QPrintPreviewDialog& dialog, const char* text) {
    const QString caption = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == caption) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            return action;
        }
    }
    return nullptr;
}

} // namespace

PreviewOutcome ShowPrintPreview(QPrinter& printer, const PrintSource& source, QWidget* owner,
                                const std::function<bool()>& pageSetup) {
    PreparePrinter(printer);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    DecorateDialog(&dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&source](QPrinter* target) { DrawAllPages(*target, source); });
    PreviewOutcome outcome = PreviewOutcome::Closed;
    // Qt's own print button would print past the progress dialog and its Cancel, and its
    // page setup knows nothing of the header, footer and fonts.
    if (QAction* print = TakeOverButton(dialog, "Print")) {
        QObject::connect(print, &QAction::triggered, &dialog, [&] {
            outcome = PreviewOutcome::PrintAsked;
            dialog.accept();
        });
    }
    if (QAction* setup = TakeOverButton(dialog, "Page setup")) {
        QObject::connect(setup, &QAction::triggered, &dialog, [&] {
            if (pageSetup && pageSetup()) {
                if (auto* pages = dialog.findChild<QPrintPreviewWidget*>())
                    pages->updatePreview();
            }
        });
    }
    dialog.exec();
    return outcome;
}
