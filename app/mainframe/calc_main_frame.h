#pragma once
// The application's single top-level window: menu, toolbar, status bar, the editor and
// the four docking panes. It routes commands, shows the previous result and the unit,
// composes its caption, applies preferences and keeps its placement and layout.

#include <QMainWindow>

#include <array>

#include "app/commands/command_id.h"
#include "app/mainframe/pane_contents.h"
#include "app/notify/calc_notifier.h"

class CalculationIndicator;
class CCalcDlgBar;
class CCalcDoc;
class CCalcPrinting;
class CCalcToolBar;
class CCalcTrigonometricUnits;
class CCalcView;
class CommandActions;
class QAction;
class StatusPanes;

class CCalcMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CCalcMainFrame(CCalcDoc& document, CCalcNotifier& notifier);
    ~CCalcMainFrame() override;

    CCalcView* View() const { return view_; }
    CCalcToolBar* ToolBar() const { return toolBar_; }
    CCalcTrigonometricUnits* Chooser() const { return chooser_; }
    CCalcDlgBar* Bar(PaneId pane) const;
    CCalcPrinting* Printing() const { return printing_; }
    QAction* Action(CommandId id) const;
    QString StatusText(int pane) const;

    // Reads "GUI/Frame" and places the window; the first showing uses it.
    void RestorePlacement();
    // Placement, pane sizes and the docking layout, as they are now.
    void SavePlacementAndLayout();

    void ApplyPreferences();
    void UpdateResultIndicator();
    void UpdateUnitDisplays();
    void ComposeCaption();
    // Shows a pane without moving the focus; nothing happens when it is shown.
    void ShowPane(PaneId pane);

    void RunCommand(CommandId id);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    void CreateMenus();
    void ApplyWhatsThis();
    void RestoreLayout();
    void UpdateCommandStates();
    void UpdateRecentFiles();
    void OpenRecentFile(int index);
    void TogglePane(PaneId pane);
    void FocusPane(PaneId pane);
    void FocusEditorWindow();
    void FocusNextPane(int step);
    void SetNotation(int notation);
    void SetTrigonometricUnit(int unit);
    void ShowPreferences();
    void OpenDroppedFile(const QString& path);
    // While a calculation runs the editor is read-only and the panes that read the
    // engine are disabled.
    void ShowCalculationRunning(bool running);

    CCalcDoc& document_;
    CCalcNotifier& notifier_;
    CommandActions* actions_ = nullptr;
    CCalcView* view_ = nullptr;
    CCalcPrinting* printing_ = nullptr;
    CCalcToolBar* toolBar_ = nullptr;
    CCalcTrigonometricUnits* chooser_ = nullptr;
    StatusPanes* statusPanes_ = nullptr;
    CalculationIndicator* calculationIndicator_ = nullptr;
    std::array<CCalcDlgBar*, 4> bars_{};
    PaneContents contents_;
    QList<QAction*> recentActions_;
    QAction* recentPlaceholder_ = nullptr;
    bool ready_ = false; // every part exists: command states may be updated
};
