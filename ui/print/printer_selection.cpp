#include "ui/print/printer_selection.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QtEndian>

#include "ui/print/print_service.h"
#include "ui/print/printer_geometry.h"

namespace {

const QString kSection = QStringLiteral("Print/");

// The mode record: a mask of the fields that hold, then the fields at fixed offsets.
enum ModeField : quint32 {
    OrientationField = 0x1,
    PaperField = 0x2,
    CopiesField = 0x4,
    DuplexField = 0x8,
    ColorField = 0x10,
};
constexpr int kMaskAt = 0;
constexpr int kOrientationAt = 4;
constexpr int kCopiesAt = 8;
constexpr int kDuplexAt = 12;
constexpr int kColorAt = 16;
constexpr int kPaperAt = 20;
constexpr int kPaperLength = 64;

void Put(QByteArray& mode, int at, quint32 value) {
    qToLittleEndian(value, mode.data() + at);
}

quint32 Take(const QByteArray& mode, int at) {
    return qFromLittleEndian<quint32>(mode.constData() + at);
}

QByteArray EncodeMode(const QPrinter& printer) {
    QByteArray mode(kPrinterModeSize, '\0');
    Put(mode, kMaskAt, OrientationField | PaperField | CopiesField | DuplexField | ColorField);
    Put(mode, kOrientationAt, static_cast<quint32>(printer.pageLayout().orientation()));
    Put(mode, kCopiesAt, static_cast<quint32>(printer.copyCount()));
    Put(mode, kDuplexAt, static_cast<quint32>(printer.duplex()));
    Put(mode, kColorAt, static_cast<quint32>(printer.colorMode()));
    const QByteArray paper = printer.pageLayout().pageSize().key().toUtf8().left(kPaperLength - 1);
    mode.replace(kPaperAt, paper.size(), paper);
    return mode;
}

void ApplyMode(const QByteArray& mode, QPrinter& printer) {
    if (mode.size() != kPrinterModeSize)
        return;
    const quint32 mask = Take(mode, kMaskAt);
    if (mask & PaperField) {
        const QString key = QString::fromUtf8(mode.mid(kPaperAt, kPaperLength).constData());
        const QPageSize size = PageSizeOfKey(key);
        if (size.isValid())
            printer.setPageSize(size);
    }
    if (mask & OrientationField)
        printer.setPageOrientation(Take(mode, kOrientationAt) == QPageLayout::Landscape
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
    if (mask & DuplexField && Take(mode, kDuplexAt) <= QPrinter::DuplexShortSide)
        printer.setDuplex(static_cast<QPrinter::DuplexMode>(Take(mode, kDuplexAt)));
    if (mask & ColorField)
        printer.setColorMode(Take(mode, kColorAt) == QPrinter::GrayScale ? QPrinter::GrayScale
                                                                         : QPrinter::Color);
    if (mask & CopiesField)
        printer.setCopyCount(1);
}

} // namespace

std::optional<PrinterSelection> ReadPrinterSelection(const QSettings& settings) {
    PrinterSelection selection;
    selection.device = settings.value(kSection + QStringLiteral("Device")).toString();
    selection.driver = settings.value(kSection + QStringLiteral("Driver")).toString();
    selection.output = settings.value(kSection + QStringLiteral("Output")).toString();
    if (selection.device.isEmpty() || selection.driver.isEmpty() || selection.output.isEmpty())
        return std::nullopt;
    selection.isDefault = settings.value(kSection + QStringLiteral("Default"), 0).toInt() != 0;
    const QByteArray mode = settings.value(kSection + QStringLiteral("Mode")).toByteArray();
    if (mode.size() == kPrinterModeSize)
        selection.mode = mode;
    return selection;
}

void WritePrinterSelection(QSettings& settings, const PrinterSelection& selection) {
    settings.setValue(kSection + QStringLiteral("Device"), selection.device);
    settings.setValue(kSection + QStringLiteral("Driver"), selection.driver);
    settings.setValue(kSection + QStringLiteral("Output"), selection.output);
    settings.setValue(kSection + QStringLiteral("Default"), selection.isDefault ? 1 : 0);
    settings.setValue(kSection + QStringLiteral("Mode"), selection.mode);
}

PrinterSelection SelectionOf(const QPrinter& printer) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    PrinterSelection selection;
    selection.device = printer.printerName();
    // CUPS queues without a driver of their own still need a name here for the record to count.
    selection.driver = info.makeAndModel().isEmpty() ? QStringLiteral("CUPS") : info.makeAndModel();
    selection.output = PrinterPort(printer.printerName());
    if (selection.output.isEmpty())
        selection.output = QStringLiteral("cups:") + printer.printerName();
    selection.isDefault = info.isDefault();
    selection.mode = EncodeMode(printer);
    return selection;
}

void ApplySelection(const PrinterSelection& selection, QPrinter& printer) {
    if (QPrinterInfo::printerInfo(selection.device).isNull())
        return;
    printer.setPrinterName(selection.device);
    ApplyMode(selection.mode, printer);
}
