#pragma once
// A docking pane hosting one pane widget, remembering one size per orientation. A
// fixed-size pane (keypad, statistics) takes its widget's size and stores nothing.

#include <QDockWidget>
#include <QList>

#include "app/docking/bar_sizes.h"

class QMainWindow;

enum class BarSizing { Fixed, Resizable };

class CCalcDlgBar : public QDockWidget {
    Q_OBJECT

  public:
    CCalcDlgBar(const QString& title, int barId, BarSizing sizing, QWidget* content, QMainWindow* window);
    ~CCalcDlgBar() override;

    // Every live pane in creation order.
    static const QList<CCalcDlgBar*>& AllBars();

    int BarId() const { return barId_; }
    bool IsFixedSize() const { return sizing_ == BarSizing::Fixed; }
    const BarSizes& Sizes() const { return sizes_; }
    BarOrientation Orientation() const;

    // The keypad changes its dialog's size.
    void SetDialogSize(QSize size);

    void LoadState(const QString& prefix);
    void SaveState(const QString& prefix) const;

    // Gives the pane the size remembered for where it is now.
    void ApplyRememberedSize();

    // A floating place restored from the layout stays if the pane can be reached there;
    // otherwise the pane opens beside the main window as if it floated for the first time.
    // A shown floating pane waits for the main window: see ShowWithWindow.
    void KeepRestoredPlace();
    // Shows a floating pane that waits for the main window, once that is on the screen.
    void ShowWithWindow();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QMainWindow* window_;
    int barId_;
    BarSizing sizing_;
    BarSizes sizes_;
    bool applying_ = false;
    bool placed_ = false; // has had a place on the screen, docked or floating
    bool waitsForWindow_ = false;
};
