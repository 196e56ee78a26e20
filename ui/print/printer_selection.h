#pragma once
// The printer chosen in the print or page-setup dialog, kept in the settings section
// "Print" between runs: the printer's name, its make and model, its device, whether it was
// the default printer, and a record of 220 bytes with its paper, orientation, copies,
// sides and colour.

#include <QByteArray>
#include <QString>

#include <optional>

class QPrinter;
class QSettings;

inline constexpr int kPrinterModeSize = 220;

struct PrinterSelection {
    QString device; // the printer's name
    QString driver;
    QString output;
    bool isDefault = false;
    QByteArray mode; // kPrinterModeSize bytes, or empty

    bool operator==(const PrinterSelection&) const = default;
};

// Nothing unless all three names are stored; a mode of any other size is dropped.
std::optional<PrinterSelection> ReadPrinterSelection(const QSettings& settings);
void WritePrinterSelection(QSettings& settings, const PrinterSelection& selection);

PrinterSelection SelectionOf(const QPrinter& printer);
// A printer that is gone leaves the printer as it was; a restored copy count is 1.
void ApplySelection(const PrinterSelection& selection, QPrinter& printer);
