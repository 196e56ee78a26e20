#include "ui/dialogs/calc_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "ui/dialogs/dialog_decoration.h"
#include "ui/dialogs/file_dialog_layout.h"
#include "ui/dialogs/message_box.h"

namespace {

CCalcFileDialog::Answerer& ScriptedAnswerer() {
    static CCalcFileDialog::Answerer answerer;
    return answerer;
}

QString QuotedFileName(const QString& text, const QString& path) {
    return QString(text).replace(QStringLiteral("%s"), QFileInfo(path).fileName());
}

} // namespace

QStringList NameFiltersFromPairs(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString description = parts[i];
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QString WithDefaultExtension(const QString& path, const QString& extension) {
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

CCalcFileDialog::CCalcFileDialog(FileDialogRequest request, QWidget* owner)
    : request_(std::move(request)), owner_(owner) {}

QString CCalcFileDialog::Run() {
    QString proposed = request_.initialName;
    for (;;) {
        const QString chosen = AskOnce(proposed);
        if (chosen.isEmpty())
            return {};
        if (AcceptName(request_.mode, chosen))
            return chosen;
        proposed = chosen;
    }
}

bool CCalcFileDialog::AcceptName(FileDialogMode mode, const QString& path) {
    const bool exists = QFileInfo::exists(path);
    if (mode == FileDialogMode::Open) {
        if (exists)
            return true;
        CalcMessageBox(QuotedFileName(QStringLiteral("File \u201C%s\u201D is not found.\n"
                                                     "Verify the file name and try again."),
                                      path),
                       MessageType{});
        return false;
    }
    if (!exists)
        return true;
    const int answer = CalcMessageBox(
        QuotedFileName(QStringLiteral("File \u201C%s\u201D already exists.\nDo you wish to overwrite it?"),
                       path),
        MessageType{MessageButtons::YesNo, MessageIcon::Question, DefaultButton::Second});
    return answer == IdYes;
}

CCalcFileDialog::Answerer CCalcFileDialog::SetAnswerer(Answerer answerer) {
    Answerer previous = std::move(ScriptedAnswerer());
    ScriptedAnswerer() = std::move(answerer);
    return previous;
}

QString CCalcFileDialog::AskOnce(const QString& proposedName) const {
    if (ScriptedAnswerer()) {
        FileDialogRequest request = request_;
        request.initialName = proposedName;
        return WithDefaultExtension(ScriptedAnswerer()(request), request_.defaultExtension);
    }
    const bool open = request_.mode == FileDialogMode::Open;
    QString title = request_.title;
    if (title.isEmpty())
        title = open ? QStringLiteral("Open") : QStringLiteral("Save As");
    QFileDialog dialog(owner_, title);
    DecorateDialog(&dialog);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Overwriting is confirmed by our own question, with No as its default.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(request_.defaultExtension);
    const QStringList filters = NameFiltersFromPairs(request_.filter);
    dialog.setNameFilters(filters);
    FitFileDialog(dialog);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return WithDefaultExtension(dialog.selectedFiles().constFirst(), request_.defaultExtension);
}
