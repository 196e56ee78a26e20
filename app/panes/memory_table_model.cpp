#include "app/panes/memory_table_model.h"

#include "app/panes/column_heading.h"

#include "engine/core/format.h"

namespace NCalculatorPanes {

namespace {

constexpr int kNumberColumn = static_cast<int>(MemoryColumn::Number);

} // namespace

void MemoryTableModel::Reset(std::vector<MemoryItem> items, char16_t imaginaryLetter,
                             const MemorySortState& sort) {
    beginResetModel();
    items_ = std::move(items);
    imaginaryLetter_ = imaginaryLetter;
    rows_ = SortedMemoryRows(items_, sort);
    endResetModel();
}

void MemoryTableModel::Sort(const MemorySortState& sort) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> oldRows = rows_;
    rows_ = SortedMemoryRows(items_, sort);
    std::vector<int> rowOfItem(items_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        rowOfItem[static_cast<std::size_t>(rows_[row])] = static_cast<int>(row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int item = oldRows[static_cast<std::size_t>(index.row())];
        after.append(this->index(rowOfItem[static_cast<std::size_t>(item)], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MemoryTableModel::SetIncluded(int row, bool included) {
    ItemAt(row).included = included ? 1 : 0;
    const QModelIndex check = index(row, static_cast<int>(MemoryColumn::Include));
    emit dataChanged(check, check, {Qt::CheckStateRole});
}

void MemoryTableModel::EmitChecksChanged() {
    if (rows_.empty())
        return;
    const int column = static_cast<int>(MemoryColumn::Include);
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::CheckStateRole});
}

int MemoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MemoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kMemoryColumnCount;
}

QVariant MemoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MemoryItem& item = ItemAt(index.row());
    const auto column = static_cast<MemoryColumn>(index.column());
    if (role == Qt::CheckStateRole && column == MemoryColumn::Include)
        return item.included != 0 ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(ColumnAlignment(index.column(), kNumberColumn));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (column) {
    case MemoryColumn::Include:
        return {};
    case MemoryColumn::Number:
        return QString::number(ItemIndex(index.row()) + 1);
    case MemoryColumn::Cell:
        return QString::fromStdU16String(item.name);
    case MemoryColumn::Value:
        return QString::fromStdU16String(
            NCalculatorText::FormatComplex(item.value, NCalculatorText::DisplayFormat(imaginaryLetter_)));
    }
    return {};
}

bool MemoryTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole ||
        index.column() != static_cast<int>(MemoryColumn::Include))
        return false;
    SetIncluded(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags MemoryTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == static_cast<int>(MemoryColumn::Include))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kHeadings[kMemoryColumnCount] = {"Incl", "N", "Cell", "Value"};
    return ColumnHeading(kHeadings, kNumberColumn, section, orientation, role);
}

} // namespace NCalculatorPanes
