#pragma once
// The single document: the life of a calculation text (new, open, save, ask to save),
// the commands on the text as a whole, and the memory commands. The text itself lives
// in the editor.

#include <QObject>
#include <QString>

#include "app/document/calculation_runner.h"
#include "app/document/cmd_receiver.h"
#include "app/document/recent_files.h"
#include "app/editor/text_anchors.h"

class CCalcView;
class CCalcNotifier;
class QWidget;

class CCalcDoc : public QObject, public ICmdReceiver {
    Q_OBJECT

  public:
    static inline const QString kDefaultTitle = QStringLiteral("Calculation");

    CCalcDoc(CCalcNotifier& notifier, QObject* parent = nullptr);

    void AttachView(CCalcView* view);
    CCalcView* View() const { return view_; }
    // Owner of the dialogs the document opens.
    void SetDialogOwner(QWidget* owner) { owner_ = owner; }

    const QString& PathName() const { return pathName_; }
    const QString& Title() const { return title_; }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified);
    RecentFileList& RecentFiles() { return recentFiles_; }

    // The document's life; each returns false when it did not happen.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);
    // Asks "Save changes to ...?" when modified; false when the operation must stop.
    bool SaveModified();
    bool DoSave(const QString& path, bool replace);
    bool DoFileSave();

    // Commands of the File and Memory menus.
    void FileNew();
    void FileOpen();
    bool OpenDocumentFile(const QString& path);
    void FileSave();
    void FileSaveAs();
    void FileExecute();
    void MemoryFree();
    void MemoryLoad();
    void MemorySave();
    // False while a calculation runs: the cells are the calculation's until it ends.
    bool MemoryHasCells() const;

    // While a calculation runs, every command that changes the text or touches the
    // engine is refused.
    void ReceiveCommand(std::int32_t code) override;
    void ReceiveText(std::u16string_view text) override;

    bool IsCalculating() const { return runner_.IsRunning(); }
    // Asks the running calculation to stop; it ends soon, like an error in its statement.
    void StopCalculation();
    // Stops the running calculation and waits until its results are in the text.
    void EndCalculation();
    // Puts the caret into the statement that began at this offset when the latest run
    // ended (later edits taken into account).
    void GoToStatement(int statementStart);

  signals:
    void calculationRunning(bool running);
    // The title or the modified flag changed: the caption is composed again.
    void captionChanged();
    void recentFilesChanged();

  private:
    enum class RunFileKind { Execute, LoadMemory };

    void Calculate(int caret);
    void FinishRun(const CalculationOutcome& outcome);
    void Clear();
    void Backspace();
    void FreeMemory();
    void RunFile(RunFileKind kind);
    void SetPathName(const QString& path);
    QString ProposedSaveName() const;
    QString NameForQuestion() const;
    void AddToRecentFiles(const QString& path);

    CCalcNotifier& notifier_;
    CCalcView* view_ = nullptr;
    QWidget* owner_ = nullptr;
    QString pathName_;
    QString title_ = kDefaultTitle;
    bool modified_ = false;
    RecentFileList recentFiles_;
    CalculationRunner runner_;
    TextAnchors statementAnchors_;
};
