#pragma once
// The memory pane: the memory cells with their values and "Incl" check boxes, and the
// buttons that act on the included cells. It does not watch the store: its owners
// call Refresh after anything that may have changed it.

#include <array>

#include <QWidget>

#include "app/panes/memory_layout.h"
#include "app/panes/memory_sort.h"
#include "app/panes/statistics.h"
#include "ui/controls/va_button_bitmap.h"

class QModelIndex;
class QTreeView;

namespace NCalculatorPanes {
class MemoryTableModel;
}

Q_DECLARE_METATYPE(NCalculatorPanes::StatisticsResult)

class CCalcMemory : public QWidget {
    Q_OBJECT

  public:
    explicit CCalcMemory(QWidget* parent = nullptr);
    ~CCalcMemory() override; // keeps the column widths for the next run

    // Rebuilds the list when the store changed, or when the imaginary unit's letter
    // differs from the one the list shows.
    void Refresh();
    // The number of rows whose check box is set.
    int SyncChecks() const;
    // Writes the check boxes into the store's selected flags.
    void StoreChecks() const;

    void OnFree();
    void OnSave();
    void OnStatistics();
    void OnInvert();
    void OnClear();

    QTreeView* List() const { return list_; }
    VaButtonBitmap* ButtonOf(NCalculatorPanes::MemoryButton button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The Statistics button computed a result: show it in the "Statistics" pane.
    void statisticsComputed(const NCalculatorPanes::StatisticsResult& result);
    // Free erased cells: whatever depends on the store being empty may change.
    void cellsErased();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void OnHeaderClicked(int section);
    void OnRowClicked(const QModelIndex& index);
    void ShowSortIndicator();
    void EnableButtons();

    NCalculatorPanes::MemoryPaneMetrics metrics_;
    NCalculatorPanes::MemorySortState sort_;
    char16_t shownLetter_ = 0; // 0 until the list is first filled
    NCalculatorPanes::MemoryTableModel* model_;
    QTreeView* list_;
    std::array<VaButtonBitmap*, NCalculatorPanes::kMemoryButtonCount> buttons_{};
};
