#include "app/panes/log_table_model.h"

#include "app/panes/column_heading.h"

#include <QBrush>
#include <QColor>

namespace NCalculatorPanes {

namespace {

constexpr int kNumberColumn = static_cast<int>(LogColumn::Number);

bool IsError(std::int32_t kind) {
    return kind == static_cast<std::int32_t>(NCalculatorText::LogKind::Error);
}

} // namespace

void LogTableModel::Append(const NCalculatorText::LogMessage& message) {
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    rows_.push_back({message.kind, QStringView(message.operation).toString(),
                     QStringView(message.text).toString(), message.statementStart});
    endInsertRows();
}

void LogTableModel::Clear() {
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int LogTableModel::StatementStart(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size())
               ? rows_[static_cast<std::size_t>(row)].statementStart
               : -1;
}

int LogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLogColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size()))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (static_cast<LogColumn>(index.column())) {
        case LogColumn::Number:
            return QString::number(index.row() + 1);
        case LogColumn::Status:
            return IsError(row.kind) ? QStringLiteral("Error") : QStringLiteral("Warning");
        case LogColumn::Context:
            return row.operation;
        case LogColumn::Description:
            return row.text;
        }
        return {};
    case Qt::ToolTipRole:
        // The description is often wider than its column.
        return index.column() == static_cast<int>(LogColumn::Description) ? QVariant(row.text) : QVariant();
    case Qt::TextAlignmentRole:
        return static_cast<int>(ColumnAlignment(index.column(), kNumberColumn));
    case Qt::ForegroundRole:
        return QBrush(IsError(row.kind) ? QColor(255, 0, 0) : QColor(0, 0, 255));
    case Qt::UserRole:
        return row.kind;
    default:
        return {};
    }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kHeadings[kLogColumnCount] = {"N", "Status", "Context", "Description"};
    return ColumnHeading(kHeadings, kNumberColumn, section, orientation, role);
}

} // namespace NCalculatorPanes
