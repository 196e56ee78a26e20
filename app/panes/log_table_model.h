#pragma once
// The rows of the log pane: one per error or warning of the latest calculation run,
// numbered from 1, errors in red and warnings in blue.

#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "engine/core/log.h"

namespace NCalculatorPanes {

enum class LogColumn : int { Number = 0, Status = 1, Context = 2, Description = 3 };
inline constexpr int kLogColumnCount = 4;

class LogTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Copies the message: the engine's texts live only during the call.
    void Append(const NCalculatorText::LogMessage& message);
    void Clear();
    // Where the row's statement began in the calculated text; -1 for none.
    int StatementStart(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        std::int32_t kind;
        QString operation;
        QString text;
        int statementStart;
    };
    std::vector<Row> rows_;
};

} // namespace NCalculatorPanes
