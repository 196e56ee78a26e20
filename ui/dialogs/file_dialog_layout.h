#pragma once
// Room for the file dialog's list: Qt sizes its columns for a short type name and a
// short date, so the type and the date of every file showed cut off. The columns are
// measured from the texts they show, and the dialog grows to hold them.

#include <QSize>
#include <QStringList>

#include <array>

class QFileDialog;
class QFontMetrics;

// Name, Size, Type, Date Modified.
using FileColumnWidths = std::array<int, 4>;

// typeNames: the type texts the list may show; sampleDate: a modification time as the
// list writes it. The name column's width is the most it asks for.
FileColumnWidths FileColumnWidthsFor(const QFontMetrics& metrics, const QStringList& typeNames,
                                     const QString& sampleDate);

// The dialog's size widened by what the columns lack, taller for more rows, and kept
// within the available screen.
QSize FileDialogSize(QSize size, int extraWidth, int lineSpacing, QSize available);

// Where the screen is too small for every column, the name column gives way, down to
// its least width; the other columns keep theirs.
int NameColumnWidth(const FileColumnWidths& wanted, int listWidth, int leastName);

// Call before the dialog is shown, after its name filters are set.
void FitFileDialog(QFileDialog& dialog);
