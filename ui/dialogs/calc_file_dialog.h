#pragma once
// The file dialog of every open and save: filters in the "Name|pattern|...||" form, a
// default extension, and the name checks that keep the dialog open on a bad choice.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;            // empty: "Open" or "Save As"
    QString defaultExtension; // without the dot
    QString initialName;      // empty for none
    QString filter;           // "Calculation files (*.vcl)|*.vcl|All files (*.*)|*.*||"
};

// "Name|pattern|Name|pattern||" to Qt's name filters; "*.*" matches every file.
QStringList NameFiltersFromPairs(const QString& filter);

// The default extension is appended when the chosen name has none.
QString WithDefaultExtension(const QString& path, const QString& extension);

class CCalcFileDialog {
  public:
    CCalcFileDialog(FileDialogRequest request, QWidget* owner);

    // The chosen path, or an empty string when the user cancelled.
    QString Run();

    // Open mode: the file must exist; save mode: overwriting must be confirmed.
    // A rejected name has been reported to the user.
    static bool AcceptName(FileDialogMode mode, const QString& path);

    // Tests answer the dialog from a script: the answerer returns a path or "" for Cancel.
    using Answerer = std::function<QString(const FileDialogRequest&)>;
    static Answerer SetAnswerer(Answerer answerer);

  private:
    QString AskOnce(const QString& proposedName) const;

    FileDialogRequest request_;
    QWidget* owner_;
};
