#include "app/document/calc_doc.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include "app/document/document_file.h"
#include "app/document/memory_file.h"
#include "app/document/write_failure_text.h"
#include "app/editor/calc_view.h"
#include "app/editor/text_offsets.h"
#include "app/notify/calc_notifier.h"
#include "app/preferences/preferences.h"
#include "engine/driver/calculate.h"
#include "engine/files/calculation_file.h"
#include "engine/state/memory_store.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/message_box.h"

namespace {

const QString kAllFilesFilter =
    QStringLiteral("Calculation files (*.vcl)|*.vcl|Memory files (*.vcm)|*.vcm|All files (*.*)|*.*||");
const QString kMemoryFilesFilter = QStringLiteral("Memory files (*.vcm)|*.vcm|All files (*.*)|*.*||");
const QString kMemoryFilesOnlyFilter = QStringLiteral("Memory files (*.vcm)|*.vcm||");

constexpr MessageType kWarning = MessageType{MessageButtons::Close, MessageIcon::Exclamation};
constexpr MessageType kQuestion = MessageType{MessageButtons::YesNo, MessageIcon::Question};

QString FromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

NCalculatorText::CalculationOptions CurrentCalculationOptions() {
    return {NCalculatorText::AngleUnitFromPreference(preferenceStore.values.trigonometricUnits),
            NCalculatorText::ImaginaryLetterFromPreference(preferenceStore.values.formatI)};
}

// The message for a file the document could not read.
QString OpenFailureText(const ReadResult& read, const QString& path) {
    if (read.outcome == ReadOutcome::CannotOpen && !QFileInfo::exists(path))
        return QStringLiteral("File \u201C%1\u201D is not found.\nVerify the file name and try again.")
            .arg(QFileInfo(path).fileName());
    if (read.outcome == ReadOutcome::TooLarge)
        return QStringLiteral("Failed to open document.\nThe file is larger than 16 MB.");
    if (read.file.encoding == NCalculatorText::TextEncoding::Unreadable)
        return QStringLiteral("Failed to open document.\n") +
               FromU16(NCalculatorText::kUnreadableEncodingText) + QLatin1Char('.');
    return QStringLiteral("Failed to open document.");
}

} // namespace

CCalcDoc::CCalcDoc(CCalcNotifier& notifier, QObject* parent) : QObject(parent), notifier_(notifier) {
    QSettings settings;
    recentFiles_.Load(settings);
    connect(&runner_, &CalculationRunner::runningChanged, this, &CCalcDoc::calculationRunning);
    connect(&runner_, &CalculationRunner::finished, this, &CCalcDoc::FinishRun);
}

void CCalcDoc::AttachView(CCalcView* view) {
    view_ = view;
    connect(view_, &CCalcView::edited, this, [this] { SetModifiedFlag(true); });
}

void CCalcDoc::SetModifiedFlag(bool modified) {
    if (modified == modified_)
        return;
    modified_ = modified;
    emit captionChanged();
}

bool CCalcDoc::OnNewDocument() {
    SetPathName(QString());
    statementAnchors_.Clear();
    view_->SetDocumentText(u"");
    SetModifiedFlag(false);
    emit captionChanged();
    return true;
}

bool CCalcDoc::OnOpenDocument(const QString& path) {
    ReadResult read = ReadCalculationFile(path);
    const bool unreadable = read.file.encoding == NCalculatorText::TextEncoding::Unreadable;
    if ((read.outcome != ReadOutcome::Ok && read.outcome != ReadOutcome::NoBytes) || unreadable) {
        CalcMessageBox(OpenFailureText(read, path), kWarning);
        return false;
    }
    statementAnchors_.Clear();
    view_->SetDocumentText(read.file.text);
    SetPathName(path);
    SetModifiedFlag(false);
    AddToRecentFiles(path);
    emit captionChanged();
    return true;
}

bool CCalcDoc::OnSaveDocument(const QString& path) {
    const std::string bytes = NCalculatorText::EncodeCalculationFile(view_->DocumentText());
    const WriteResult written = WriteFileAtomically(path, bytes);
    if (written.outcome != WriteOutcome::Ok) {
        CalcMessageBox(WriteFailureText(QStringLiteral("Failed to save document."), path, written.reason),
                       kWarning);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CCalcDoc::SaveModified() {
    if (!modified_)
        return true;
    const QString question = QStringLiteral("Save changes to \u201C%1\u201D?").arg(NameForQuestion());
    switch (CalcMessageBox(question, MessageType{MessageButtons::YesNoCancel})) {
    case IdYes:
        return DoFileSave();
    case IdNo:
        return true;
    default:
        return false;
    }
}

bool CCalcDoc::DoSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        FileDialogRequest request{FileDialogMode::Save, QStringLiteral("Save As"), QStringLiteral("vcl"),
                                  ProposedSaveName(), kAllFilesFilter};
        target = CCalcFileDialog(request, owner_).Run();
        if (target.isEmpty())
            return false;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace) {
        SetPathName(target);
        AddToRecentFiles(target);
        emit captionChanged();
    }
    return true;
}

bool CCalcDoc::DoFileSave() {
    const QFileInfo info(pathName_);
    if (pathName_.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString(), true);
    return DoSave(pathName_, true);
}

void CCalcDoc::FileNew() {
    EndCalculation();
    if (SaveModified())
        OnNewDocument();
}

void CCalcDoc::FileOpen() {
    // The Open command proposes memory files as its default extension, unlike Execute.
    FileDialogRequest request{FileDialogMode::Open, QStringLiteral("Open"), QStringLiteral("vcm"), QString(),
                              kAllFilesFilter};
    const QString path = CCalcFileDialog(request, owner_).Run();
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CCalcDoc::OpenDocumentFile(const QString& path) {
    // The document open already is only re-activated.
    if (!pathName_.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(pathName_).absoluteFilePath())
        return true;
    EndCalculation();
    if (!SaveModified())
        return false;
    if (!OnOpenDocument(path)) {
        recentFiles_.Remove(path);
        QSettings settings;
        recentFiles_.Save(settings);
        emit recentFilesChanged();
        return false;
    }
    return true;
}

void CCalcDoc::FileSave() {
    DoFileSave();
}

void CCalcDoc::FileSaveAs() {
    DoSave(QString(), true);
}

void CCalcDoc::FileExecute() {
    RunFile(RunFileKind::Execute);
}

void CCalcDoc::MemoryFree() {
    ReceiveCommand(CmdFreeMemory);
}

void CCalcDoc::MemoryLoad() {
    RunFile(RunFileKind::LoadMemory);
}

void CCalcDoc::MemorySave() {
    if (IsCalculating())
        return;
    const std::u16string text = NCalculatorText::WriteMemoryText(true);
    const QString path = CCalcFileDialog(MemorySaveRequest(kMemoryFilesOnlyFilter), owner_).Run();
    if (path.isEmpty())
        return;
    SaveMemoryFile(path, text);
}

bool CCalcDoc::MemoryHasCells() const {
    return !IsCalculating() && !NCalculatorText::memoryStore.cells.empty();
}

void CCalcDoc::ReceiveCommand(std::int32_t code) {
    if (IsCalculating())
        return;
    switch (code) {
    case CmdClear:
        Clear();
        break;
    case CmdBackspace:
        Backspace();
        break;
    case CmdCalculate:
        Calculate(view_->Selection().first);
        break;
    case CmdCalculateAll:
        Calculate(NCalculatorText::kCalculateAll);
        break;
    case CmdFreeMemory:
        FreeMemory();
        break;
    default:
        break;
    }
}

void CCalcDoc::ReceiveText(std::u16string_view text) {
    if (!IsCalculating())
        view_->ReplaceSelection(FromU16(text));
}

void CCalcDoc::StopCalculation() {
    runner_.RequestStop();
}

void CCalcDoc::EndCalculation() {
    runner_.StopAndWait();
}

void CCalcDoc::GoToStatement(int statementStart) {
    const std::optional<int> offset = statementAnchors_.Find(statementStart);
    if (!offset)
        return;
    view_->SetSelection(*offset, *offset);
    view_->ScrollCaretIntoView();
    view_->window()->activateWindow();
    view_->setFocus();
}

void CCalcDoc::Calculate(int caret) {
    runner_.Start(RunSource::Editor,
                  {NCalculatorText::TextEncoding::Utf16LittleEndian, view_->DocumentText()}, caret,
                  CurrentCalculationOptions());
}

void CCalcDoc::FinishRun(const CalculationOutcome& outcome) {
    if (outcome.source == RunSource::Editor) {
        view_->ReplaceTextByEdits(outcome.text);
        view_->SetSelection(outcome.caret, outcome.caret);
        view_->ScrollCaretIntoView();
        if (!outcome.ok)
            view_->MarkFailedStatement(outcome.failed.start, outcome.failed.length);
        statementAnchors_.Reset(*view_->document(), outcome.statementStarts);
    } else {
        statementAnchors_.Clear();
    }
    emit notifier_.resultChanged();
    emit notifier_.memoryChanged();
}

void CCalcDoc::Clear() {
    if (view_->IsEmpty())
        return;
    if (preferenceStore.values.clearConfirmation != 0 &&
        CalcMessageBox(QStringLiteral("Clear all the calculations?"), kQuestion) != IdYes)
        return;
    view_->selectAll();
    view_->ScrollCaretIntoView();
    view_->DeleteSelection();
}

void CCalcDoc::Backspace() {
    auto [start, end] = view_->Selection();
    if (start == end) {
        if (start == 0)
            return;
        start = PreviousCharacterOffset(view_->document()->toRawText(), start);
    }
    view_->SetSelection(start, end);
    view_->ScrollCaretIntoView();
    view_->DeleteSelection();
}

void CCalcDoc::FreeMemory() {
    if (!MemoryHasCells())
        return;
    if (preferenceStore.values.freeConfirmation != 0 &&
        CalcMessageBox(QStringLiteral("Erase all the memory?"), kQuestion) != IdYes)
        return;
    NCalculatorText::ClearMemory(true);
    emit notifier_.memoryChanged();
}

void CCalcDoc::RunFile(RunFileKind kind) {
    if (IsCalculating())
        return;
    const bool execute = kind == RunFileKind::Execute;
    FileDialogRequest request{FileDialogMode::Open, QStringLiteral("Open"),
                              execute ? QStringLiteral("vcl") : QStringLiteral("vcm"), QString(),
                              execute ? kAllFilesFilter : kMemoryFilesFilter};
    const QString path = CCalcFileDialog(request, owner_).Run();
    if (path.isEmpty())
        return;
    ReadResult read = ReadCalculationFile(path);
    if (read.outcome == ReadOutcome::CannotOpen) {
        CalcMessageBox(QStringLiteral("Cannot open the file for reading."), kWarning);
        return;
    }
    if (read.outcome != ReadOutcome::Ok) {
        CalcMessageBox(QStringLiteral("Cannot read the file."), kWarning);
        return;
    }
    runner_.Start(RunSource::File, std::move(read.file), NCalculatorText::kCalculateAll,
                  CurrentCalculationOptions());
}

void CCalcDoc::SetPathName(const QString& path) {
    pathName_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    title_ = path.isEmpty() ? kDefaultTitle : QFileInfo(path).fileName();
}

QString CCalcDoc::ProposedSaveName() const {
    if (!pathName_.isEmpty())
        return pathName_;
    QString name = title_;
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[:/\\\\]")));
    if (cut >= 0)
        name.truncate(cut);
    return name + QStringLiteral(".vcl");
}

QString CCalcDoc::NameForQuestion() const {
    if (!pathName_.isEmpty())
        return QFileInfo(pathName_).fileName();
    return title_.isEmpty() ? QStringLiteral("Untitled") : title_;
}

void CCalcDoc::AddToRecentFiles(const QString& path) {
    recentFiles_.Add(path);
    QSettings settings;
    recentFiles_.Save(settings);
    emit recentFilesChanged();
}
