#pragma once
// Print preview: Qt's preview dialog on the application's printer, its pages drawn by
// the same page routine as a print job.

class QPrinter;
class QWidget;
struct PrintSource;

// Every page of the source, as a job over all pages would print it.
void DrawAllPages(QPrinter& printer, const PrintSource& source);

void ShowPrintPreview(QPrinter& printer, const PrintSource& source, QWidget* owner);
