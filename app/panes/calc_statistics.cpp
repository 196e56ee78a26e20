#include "app/panes/calc_statistics.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/panes/pane_preferences.h"

using namespace NCalculatorPanes;

namespace {

constexpr std::array<const char*, kStatisticCount> kLabels{
    "Mean (average)", "Variance", "Standard deviation", "Average deviation", "Skewness", "Kurtosis",
};

// The widest value a box shows whole: both parts with 14 digits and a three-digit exponent.
constexpr char16_t kWidestValue[] =
    u"\u22128.8888888888888e\u2212888 \u2212 i\u22178.8888888888888e\u2212888";

} // namespace

CCalcStatistics::CCalcStatistics(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statistics"));
    setAccessibleName(QStringLiteral("Statistics"));
    auto* layout = new QGridLayout(this);
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const QString text = QString::fromLatin1(kLabels[i]);
        auto* box = new QLineEdit(this);
        box->setReadOnly(true);
        box->setAccessibleName(text);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString::fromUtf16(kWidestValue)) +
                             box->fontMetrics().averageCharWidth() * 2);
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        const int row = static_cast<int>(i);
        layout->addWidget(label, row, 0);
        layout->addWidget(box, row, 1);
        boxes_[i] = box;
    }
    layout->setColumnStretch(1, 1);
    setFocusProxy(boxes_.front());
}

void CCalcStatistics::ShowStatistics(const StatisticsResult& result) {
    const char16_t letter = ImaginaryLetter();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const std::u16string text = StatisticText(result.values[i], result.computed[i], letter);
        boxes_[i]->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
        boxes_[i]->setCursorPosition(0);
    }
}
