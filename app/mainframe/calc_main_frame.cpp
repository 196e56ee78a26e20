#include "app/mainframe/calc_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QWhatsThis>

#include "app/docking/calc_dlg_bar.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/editor/completion_popup.h"
#include "app/editor/editor_tools.h"
#include "app/editor/find_bar.h"
#include "app/help/application_help.h"
#include "app/help/help_content.h"
#include "app/help/help_lookup.h"
#include "app/mainframe/calc_tool_bar.h"
#include "app/mainframe/calculation_indicator.h"
#include "app/mainframe/caption.h"
#include "app/mainframe/command_actions.h"
#include "app/mainframe/frame_placement.h"
#include "app/mainframe/main_menu.h"
#include "app/mainframe/status_panes.h"
#include "app/mainframe/trigonometric_units_chooser.h"
#include "app/preferences/preferences.h"
#include "app/preferences/preferences_dialog.h"
#include "app/printing/calc_printing.h"
#include "app/settings/settings_int.h"
#include "engine/state/engine_state.h"
#include "ui/dialogs/calc_about_dialog.h"
#include "ui/help/help_request.h"
#include "ui/keypad/calc_key_pad.h"

namespace {

using enum CommandId;

// How long a passing note (such as the input limit) stays in the status bar.
constexpr int kStatusMessageMilliseconds = 8000;

const QString kBarStatePrefix = QStringLiteral("GUI/BarState");
const QString kLayoutKey = QStringLiteral("GUI/BarState/Layout");
// The main window's state keeps the toolbar and the panes but not the status bar.
const QString kStatusBarKey = QStringLiteral("GUI/BarState/StatusBar");

struct PaneDefinition {
    PaneId pane;
    const char* title;
    int barId;
    BarSizing sizing;
    Qt::DockWidgetAreas allowed;
    CommandId toggle;
    CommandId focus;
};

constexpr PaneDefinition kPanes[] = {
    {PaneId::Keypad, "Keypad", 101, BarSizing::Fixed, Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea,
     ViewKeypad, FocusKeypad},
    {PaneId::Log, "Log", 102, BarSizing::Resizable, Qt::AllDockWidgetAreas, ViewLog, FocusLog},
    {PaneId::Memory, "Memory", 105, BarSizing::Resizable, Qt::AllDockWidgetAreas, ViewMemory, FocusMemory},
    {PaneId::Statistics, "Statistics", 106, BarSizing::Fixed, Qt::AllDockWidgetAreas, ViewStatistics,
     FocusStatistics},
};

const PaneDefinition* PaneByCommand(CommandId id) {
    for (const PaneDefinition& definition : kPanes) {
        if (definition.toggle == id || definition.focus == id)
            return &definition;
    }
    return nullptr;
}

} // namespace

CCalcMainFrame::CCalcMainFrame(CCalcDoc& document, CCalcNotifier& notifier)
    : document_(document), notifier_(notifier) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                   QMainWindow::AllowTabbedDocks);

    actions_ = new CommandActions(this);
    connect(actions_, &CommandActions::triggered, this, &CCalcMainFrame::RunCommand);

    view_ = new CCalcView(this);
    setCentralWidget(view_);
    {
        QSettings settings;
        view_->BuildEditorFont(ReadEditorFontSettings(settings), preferenceStore.values.fontSize);
    }
    view_->addActions(actions_->EditorActions());
    document_.AttachView(view_);
    document_.SetDialogOwner(this);
    printing_ = new CCalcPrinting(document_, *view_, this);
    connect(view_, &CCalcView::fileDropped, this, &CCalcMainFrame::OpenDroppedFile);
    connect(view_, &QPlainTextEdit::undoAvailable, this, &CCalcMainFrame::UpdateCommandStates);
    connect(view_, &QPlainTextEdit::redoAvailable, this, &CCalcMainFrame::UpdateCommandStates);
    connect(view_, &CCalcView::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMilliseconds); });
    connect(view_, &QPlainTextEdit::copyAvailable, this, &CCalcMainFrame::UpdateCommandStates);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CCalcMainFrame::UpdateCommandStates);

    chooser_ = new CCalcTrigonometricUnits(this);
    connect(chooser_, &CCalcTrigonometricUnits::unitChosen, this, &CCalcMainFrame::SetTrigonometricUnit);
    connect(chooser_, &CCalcTrigonometricUnits::shownChanged, this, &CCalcMainFrame::UpdateCommandStates);

    CreateToolBar();
    CreateStatusBar();
    CreatePanes();
    CreateMenus();
    ApplyWhatsThis();
    RestoreLayout();

    connect(&document_, &CCalcDoc::captionChanged, this, &CCalcMainFrame::ComposeCaption);
    connect(&document_, &CCalcDoc::recentFilesChanged, this, &CCalcMainFrame::UpdateRecentFiles);
    connect(&document_, &CCalcDoc::calculationRunning, this, &CCalcMainFrame::ShowCalculationRunning);
    connect(&notifier_, &CCalcNotifier::resultChanged, this, &CCalcMainFrame::UpdateResultIndicator);
    connect(&notifier_, &CCalcNotifier::memoryChanged, this, &CCalcMainFrame::UpdateCommandStates);
    connect(&notifier_, &CCalcNotifier::paneShowRequested, this, &CCalcMainFrame::ShowPane);

    ready_ = true;
    ComposeCaption();
    UpdateRecentFiles();
    UpdateCommandStates();
}

CCalcMainFrame::~CCalcMainFrame() {
    // The run's log goes to the pane, which goes with the window.
    document_.EndCalculation();
    // The parts go with ~QWidget, after this destructor, and still emit meanwhile (each
    // pane hidden on the way says so): nothing of this class may run by then.
    for (QObject* part : findChildren<QObject*>())
        disconnect(part, nullptr, this, nullptr);
    SetHelpHandler({});
    if (NCalculatorText::engineState.logReceiver == contents_.logReceiver)
        NCalculatorText::engineState.logReceiver = nullptr;
}

void CCalcMainFrame::CreateToolBar() {
    toolBar_ = new CCalcToolBar(*actions_, this);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &CCalcToolBar::unitChosen, this, &CCalcMainFrame::SetTrigonometricUnit);
    connect(toolBar_, &CCalcToolBar::listShown, chooser_, &QWidget::hide);
}

void CCalcMainFrame::CreateStatusBar() {
    statusPanes_ = new StatusPanes(statusBar());
    calculationIndicator_ = new CalculationIndicator(actions_->Action(StopCalculation), statusBar());
    statusBar()->addPermanentWidget(calculationIndicator_);
}

void CCalcMainFrame::CreatePanes() {
    contents_ = CreatePaneContents(PaneContext{document_, notifier_});
    const std::array<QWidget*, 4> widgets = {contents_.keypad, contents_.log, contents_.memory,
                                             contents_.statistics};
    const QList<QAction*> paneShortcuts = actions_->PaneShortcutActions();
    for (size_t i = 0; i < bars_.size(); ++i) {
        const PaneDefinition& definition = kPanes[i];
        auto* bar = new CCalcDlgBar(QString::fromLatin1(definition.title), definition.barId,
                                    definition.sizing, widgets[i], this);
        bar->setAllowedAreas(definition.allowed);
        // The main window's keys work from a floating pane too; editing keys stay the editor's.
        bar->addActions(paneShortcuts);
        connect(bar, &QDockWidget::visibilityChanged, this, &CCalcMainFrame::UpdateCommandStates);
        bars_[i] = bar;
    }
    NCalculatorText::engineState.logReceiver = contents_.logReceiver;
    connect(contents_.keypad, &CCalcKeyPad::dialogSizeChanged, Bar(PaneId::Keypad),
            &CCalcDlgBar::SetDialogSize);
    // F1 on a keypad key, or a click on one after Shift+F1, opens the key's page.
    SetHelpHandler([this](std::uint32_t contextId) {
        ShowHelp(TargetOfContextId(HelpContent::Embedded(), contextId), this);
    });

    // Beside the log the keypad would make the window wider than its default width: it
    // takes a row of its own, below the log.
    addDockWidget(Qt::BottomDockWidgetArea, Bar(PaneId::Log));
    splitDockWidget(Bar(PaneId::Log), Bar(PaneId::Keypad), Qt::Vertical);
    addDockWidget(Qt::RightDockWidgetArea, Bar(PaneId::Memory));
    CCalcDlgBar* statistics = Bar(PaneId::Statistics);
    addDockWidget(Qt::RightDockWidgetArea, statistics);
    // Floating and hidden; it opens beside the window the first time it shows.
    statistics->hide();
    statistics->setFloating(true);
}

void CCalcMainFrame::CreateMenus() {
    MainMenu menu = BuildMainMenu(menuBar(), *actions_);
    recentPlaceholder_ = menu.recentPlaceholder;
    recentActions_ = menu.recentFiles;
    for (int i = 0; i < recentActions_.size(); ++i)
        connect(recentActions_[i], &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
    for (QMenu* each : menuBar()->findChildren<QMenu*>())
        connect(each, &QMenu::aboutToShow, this, &CCalcMainFrame::UpdateCommandStates);
}

void CCalcMainFrame::ApplyWhatsThis() {
    ApplyWhatsThisTexts(*actions_);
    for (size_t i = 0; i < bars_.size(); ++i)
        bars_[i]->setWhatsThis(PaneWhatsThis(QString::fromLatin1(kPanes[i].title)));
    view_->setWhatsThis(PaneWhatsThis(QStringLiteral("Editor")));
    statusBar()->setWhatsThis(PaneWhatsThis(QStringLiteral("StatusBar")));
}

void CCalcMainFrame::RestoreLayout() {
    for (CCalcDlgBar* bar : CCalcDlgBar::AllBars())
        bar->LoadState(kBarStatePrefix);
    QSettings settings;
    const QByteArray layout = settings.value(kLayoutKey).toByteArray();
    if (!layout.isEmpty() && restoreState(layout)) {
        for (CCalcDlgBar* bar : bars_)
            bar->KeepRestoredPlace();
    }
    statusBar()->setVisible(ReadSettingsInt(settings, kStatusBarKey, 1) != 0);
}

CCalcDlgBar* CCalcMainFrame::Bar(PaneId pane) const {
    return bars_[static_cast<size_t>(pane)];
}

QAction* CCalcMainFrame::Action(CommandId id) const {
    return actions_->Action(id);
}

QString CCalcMainFrame::StatusText(int pane) const {
    if (pane == 0)
        return statusBar()->currentMessage();
    return statusPanes_->Text(static_cast<StatusPane>(pane - 1));
}

void CCalcMainFrame::RestorePlacement() {
    RestoreFramePlacement(*this);
}

void CCalcMainFrame::SavePlacementAndLayout() {
    SaveFramePlacement(*this);
    for (CCalcDlgBar* bar : CCalcDlgBar::AllBars())
        bar->SaveState(kBarStatePrefix);
    QSettings settings;
    settings.setValue(kLayoutKey, saveState());
    settings.setValue(kStatusBarKey, statusBar()->isHidden() ? 0 : 1);
}

void CCalcMainFrame::ApplyPreferences() {
    view_->ChangeFontSize(preferenceStore.values.fontSize);
    view_->Tools().ApplyPreferences(preferenceStore.values);
    emit notifier_.memoryChanged();
    UpdateResultIndicator();
    UpdateUnitDisplays();
    emit notifier_.preferencesApplied();
    UpdateCommandStates();
}

void CCalcMainFrame::UpdateResultIndicator() {
    statusPanes_->SetText(StatusPane::Result, ResultIndicatorText(preferenceStore.values.formatI));
}

void CCalcMainFrame::UpdateUnitDisplays() {
    const int unit = preferenceStore.values.trigonometricUnits;
    statusPanes_->SetText(StatusPane::Unit, UnitIndicatorText(unit));
    const int index = unit >= 0 && unit <= 2 ? unit : 0;
    toolBar_->SetUnit(index);
    chooser_->SetUnit(index);
    statusPanes_->SetText(StatusPane::SSE2, UsesSSE2(preferenceStore) ? QStringLiteral("SSE2") : QString());
}

void CCalcMainFrame::ComposeCaption() {
    const QString caption = ::ComposeCaption(true, document_.Title(), document_.IsModified());
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void CCalcMainFrame::ShowPane(PaneId pane) {
    CCalcDlgBar* bar = Bar(pane);
    if (bar->isVisible())
        return;
    QWidget* focus = QApplication::focusWidget();
    bar->show();
    if (focus != nullptr)
        focus->setFocus();
}

void CCalcMainFrame::RunCommand(CommandId id) {
    if (const PaneDefinition* definition = PaneByCommand(id)) {
        if (definition->toggle == id)
            TogglePane(definition->pane);
        else
            FocusPane(definition->pane);
        UpdateCommandStates();
        return;
    }
    if (IsKeypadLookCommand(id)) {
        emit notifier_.keypadCommand(static_cast<int>(id));
        UpdateCommandStates();
        return;
    }
    switch (id) {
    case FileNew:
        document_.FileNew();
        break;
    case FileOpen:
        document_.FileOpen();
        break;
    case FileSave:
        document_.FileSave();
        break;
    case FileSaveAs:
        document_.FileSaveAs();
        break;
    case FileExecute:
        document_.FileExecute();
        break;
    case FilePrint:
        printing_->Print();
        break;
    case FilePrintDirect:
        printing_->PrintDirect(printing_->Printer().printerName());
        break;
    case FilePrintPreview:
        printing_->Preview();
        break;
    case FilePageSetup:
        printing_->PageSetup();
        break;
    case MemoryFree:
        document_.MemoryFree();
        break;
    case MemoryLoad:
        document_.MemoryLoad();
        break;
    case MemorySave:
        document_.MemorySave();
        break;
    case Calculate:
        document_.ReceiveCommand(CmdCalculate);
        break;
    case CalculateAll:
        document_.ReceiveCommand(CmdCalculateAll);
        break;
    case EditUndo:
        view_->undo();
        break;
    case EditRedo:
        view_->redo();
        break;
    case StopCalculation:
        document_.StopCalculation();
        break;
    case EditSelectAll:
        view_->selectAll();
        break;
    case EditFind:
        view_->Tools().FindBar().Open(FindBarMode::Find);
        break;
    case EditFindNext:
        view_->Tools().FindBar().FindNext();
        break;
    case EditReplace:
        view_->Tools().FindBar().Open(FindBarMode::Replace);
        break;
    case EditGoToLine:
        view_->Tools().FindBar().Open(FindBarMode::GoToLine);
        break;
    case EditCut:
        view_->cut();
        break;
    case EditCopy:
        view_->copy();
        break;
    case EditPaste:
        view_->paste();
        break;
    case ViewToolbar:
        toolBar_->setVisible(!toolBar_->isVisible());
        break;
    case ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        break;
    case FocusEditor:
        FocusEditorWindow();
        break;
    case NotationWest:
        SetNotation(0);
        break;
    case NotationEast:
        SetNotation(1);
        break;
    case TrigonometricUnits:
        chooser_->setVisible(!chooser_->isVisible());
        break;
    case CommandId::Preferences:
        ShowPreferences();
        break;
    case AppAbout:
        CCalcAboutDialog(this).exec();
        break;
    case AppExit:
        close();
        break;
    case HelpTopics:
        ShowHelp({}, this);
        break;
    case Help:
        ShowHelp(HelpTargetForF1(QApplication::widgetAt(QCursor::pos()), QApplication::focusWidget(), view_),
                 this);
        break;
    case ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    case NextPane:
        FocusNextPane(1);
        break;
    case PreviousPane:
        FocusNextPane(-1);
        break;
    default:
        break;
    }
    UpdateCommandStates();
}

void CCalcMainFrame::UpdateCommandStates() {
    if (!ready_)
        return;
    const auto set = [this](CommandId id, bool enabled) {
        if (QAction* action = actions_->Action(id))
            action->setEnabled(enabled);
    };
    const auto check = [this](CommandId id, bool checked) { actions_->Action(id)->setChecked(checked); };

    const bool running = document_.IsCalculating();
    for (CommandId id :
         {Calculate, CalculateAll, FileExecute, MemoryLoad, CommandId::Preferences, EditReplace})
        set(id, !running);
    set(StopCalculation, running);
    const bool hasCells = document_.MemoryHasCells();
    set(MemoryFree, hasCells);
    set(MemorySave, hasCells);
    const bool editable = !view_->isReadOnly();
    const bool hasSelection = view_->textCursor().hasSelection();
    set(EditCut, hasSelection && editable);
    set(EditCopy, hasSelection);
    set(EditUndo, editable && view_->document()->isUndoAvailable());
    set(EditRedo, editable && view_->document()->isRedoAvailable());
    set(EditPaste, editable && QApplication::clipboard()->mimeData() != nullptr &&
                       QApplication::clipboard()->mimeData()->hasText());

    for (int number = static_cast<int>(KeypadStyleXP); number <= static_cast<int>(KeypadColorDefault);
         ++number) {
        const auto id = static_cast<CommandId>(number);
        const KeypadCommandState state = contents_.keypad->LookCommandState(id);
        set(id, state.enabled);
        check(id, state.checked);
    }

    for (const PaneDefinition& definition : kPanes)
        check(definition.toggle, Bar(definition.pane)->isVisible());
    check(ViewToolbar, toolBar_->isVisible());
    check(ViewStatusBar, statusBar()->isVisible());
    check(NotationWest, preferenceStore.values.notation == 0);
    check(NotationEast, preferenceStore.values.notation == 1);
    check(TrigonometricUnits, chooser_->isVisible());
}

void CCalcMainFrame::UpdateRecentFiles() {
    const QStringList& files = document_.RecentFiles().Files();
    for (int i = 0; i < recentActions_.size(); ++i) {
        const bool used = i < files.size();
        recentActions_[i]->setVisible(used);
        if (used) {
            recentActions_[i]->setText(RecentFileList::MenuText(i, files[i]));
            recentActions_[i]->setStatusTip(QStringLiteral("Open this document"));
        }
    }
    recentPlaceholder_->setVisible(files.isEmpty());
}

void CCalcMainFrame::OpenRecentFile(int index) {
    const QStringList files = document_.RecentFiles().Files();
    if (index < files.size())
        document_.OpenDocumentFile(files[index]);
}

void CCalcMainFrame::TogglePane(PaneId pane) {
    CCalcDlgBar* bar = Bar(pane);
    bar->setVisible(!bar->isVisible());
    if (!bar->isVisible())
        FocusEditorWindow();
}

void CCalcMainFrame::FocusEditorWindow() {
    // A floating pane is a window of its own: the main window must become active again.
    activateWindow();
    view_->setFocus();
}

void CCalcMainFrame::FocusPane(PaneId pane) {
    CCalcDlgBar* bar = Bar(pane);
    if (!bar->isVisible())
        bar->show();
    if (bar->isFloating())
        bar->activateWindow();
    bar->widget()->setFocus();
    if (QWidget* first = bar->widget()->nextInFocusChain();
        first != nullptr && bar->widget()->isAncestorOf(first) && !bar->widget()->hasFocus())
        first->setFocus();
}

void CCalcMainFrame::FocusNextPane(int step) {
    // The editor and the shown panes, in creation order, as one ring.
    QList<QWidget*> ring{view_};
    for (CCalcDlgBar* bar : bars_) {
        if (bar->isVisible())
            ring << bar->widget();
    }
    qsizetype current = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        if (ring[i] == QApplication::focusWidget() || ring[i]->isAncestorOf(QApplication::focusWidget()))
            current = i;
    }
    QWidget* next = ring[(current + step + ring.size()) % ring.size()];
    next->window()->activateWindow();
    next->setFocus();
}

void CCalcMainFrame::SetNotation(int notation) {
    preferenceStore.values.notation = notation;
    preferenceStore.changed = true;
    emit notifier_.preferencesApplied();
}

void CCalcMainFrame::SetTrigonometricUnit(int unit) {
    preferenceStore.values.trigonometricUnits = unit;
    preferenceStore.changed = true;
    UpdateUnitDisplays();
}

void CCalcMainFrame::ShowPreferences() {
    CCalcPreferences dialog(preferenceStore.values, preferenceStore.sse2Available, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    AcceptPreferences(preferenceStore, dialog.Values());
    ApplyPreferences();
}

void CCalcMainFrame::OpenDroppedFile(const QString& path) {
    activateWindow();
    document_.OpenDocumentFile(path);
}

void CCalcMainFrame::ShowCalculationRunning(bool running) {
    view_->setReadOnly(running);
    // Replacing and completing write into the text past the read-only flag.
    view_->Tools().Completion().Close();
    view_->Tools().FindBar().setEnabled(!running);
    for (QWidget* pane : {static_cast<QWidget*>(contents_.keypad), contents_.memory, contents_.statistics})
        pane->setEnabled(!running);
    calculationIndicator_->SetRunning(running);
    UpdateCommandStates();
}

void CCalcMainFrame::closeEvent(QCloseEvent* event) {
    document_.EndCalculation();
    if (!document_.SaveModified()) {
        event->ignore();
        return;
    }
    chooser_->hide();
    SavePlacementAndLayout();
    event->accept();
}

void CCalcMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once the window is mapped, which happens after this event.
    QTimer::singleShot(0, this, [this] {
        for (CCalcDlgBar* bar : bars_)
            bar->ShowWithWindow();
    });
}

void CCalcMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CCalcMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            OpenDroppedFile(url.toLocalFile());
            return;
        }
    }
}
