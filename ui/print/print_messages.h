#pragma once
// The two messages a print job can give, by their string-table ids.

enum class PrintMessage : int {
    CouldNotStart = 32837, // "Could not start print job."
    Cancelled = 32841,     // "The printing was cancelled."
};

const char* PrintMessageText(PrintMessage message);
// Through the application's message box, with the exclamation icon.
void ReportPrintMessage(PrintMessage message);
