#pragma once
// The rows of the memory pane: the pane's copy of the memory cells, shown in the
// current sort order, with the "Incl" check box of each cell.

#include <vector>

#include <QAbstractTableModel>

#include "app/panes/memory_items.h"
#include "app/panes/memory_sort.h"

namespace NCalculatorPanes {

class MemoryTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row; values are shown with the imaginary unit's letter.
    void Reset(std::vector<MemoryItem> items, char16_t imaginaryLetter, const MemorySortState& sort);
    // Reorders the rows, keeping the selection on the same cells.
    void Sort(const MemorySortState& sort);

    const std::vector<MemoryItem>& Items() const { return items_; }
    // The index into Items() of the cell shown in a row.
    int ItemIndex(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    void SetIncluded(int row, bool included);
    // Applies f to every item's check box and shows the result.
    template <typename Change> void ChangeEveryCheck(Change change) {
        for (MemoryItem& item : items_)
            item.included = change(item.included != 0) ? 1 : 0;
        EmitChecksChanged();
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void EmitChecksChanged();
    MemoryItem& ItemAt(int row) { return items_[static_cast<std::size_t>(ItemIndex(row))]; }
    const MemoryItem& ItemAt(int row) const { return items_[static_cast<std::size_t>(ItemIndex(row))]; }

    std::vector<MemoryItem> items_; // the store's order
    std::vector<int> rows_;         // row -> index into items_
    char16_t imaginaryLetter_ = u'i';
};

} // namespace NCalculatorPanes
