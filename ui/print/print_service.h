#pragma once
// The system's print service (CUPS): a finished job's file handed to a printer with the
// choices of the print dialog, and what the service knows about a printer.

#include <QString>

class QPrinter;

// Sends the file to the printer's queue with its paper, orientation, copies, sides and
// the print dialog's further options; false when the service refused it.
bool SubmitPrintFile(const QPrinter& printer, const QString& path, const QString& title);

// The printer's device ("cups-pdf:/", "ipp://..."), or an empty string.
QString PrinterPort(const QString& printerName);
