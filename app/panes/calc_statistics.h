#pragma once
// The statistics pane: six labelled read-only boxes filled by the memory pane's
// Statistics button. Empty until the first result.

#include <array>

#include <QWidget>

#include "app/panes/statistics.h"

class QLineEdit;

class CCalcStatistics : public QWidget {
    Q_OBJECT

  public:
    explicit CCalcStatistics(QWidget* parent = nullptr);

    void ShowStatistics(const NCalculatorPanes::StatisticsResult& result);

    QLineEdit* Box(NCalculatorPanes::Statistic which) const {
        return boxes_[static_cast<std::size_t>(which)];
    }

  private:
    std::array<QLineEdit*, NCalculatorPanes::kStatisticCount> boxes_{};
};
