#pragma once
// Print preview: Qt's preview dialog on the application's printer, its pages drawn by
// the same page routine as a print job. Its Print and Page setup buttons lead to the
// program's own print job and page setup, not to Qt's.

#include <functional>

class QPrinter;
class QWidget;
struct PrintSource;

// Every page of the source, as a job over all pages would print it.
void DrawAllPages(QPrinter& printer, const PrintSource& source);

enum class PreviewOutcome { Closed, PrintAsked };

// pageSetup runs the program's page setup and says whether the pages may have changed;
// the preview then draws them again.
PreviewOutcome ShowPrintPreview(QPrinter& printer, const PrintSource& source, QWidget* owner,
                                const std::function<bool()>& pageSetup);
