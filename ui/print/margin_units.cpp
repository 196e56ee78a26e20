#include "ui/print/margin_units.h"

namespace {

constexpr int kPerHundredthMillimetre = 100; // 0.0001 mm steps
constexpr int kPerThousandthInch = 254;

int StepOf(MarginUnit unit) {
    return unit == MarginUnit::HundredthsOfMillimetre ? kPerHundredthMillimetre : kPerThousandthInch;
}

} // namespace

MarginUnit MarginUnitFor(QLocale::MeasurementSystem system) {
    return system == QLocale::MetricSystem ? MarginUnit::HundredthsOfMillimetre
                                           : MarginUnit::ThousandthsOfInch;
}

int ShownMargin(int stored, MarginUnit unit) {
    const int step = StepOf(unit);
    return (stored + step / 2) / step;
}

int StoredMargin(int shown, MarginUnit unit) {
    return shown * StepOf(unit);
}

int ShownUnitsPerWhole(MarginUnit unit) {
    return unit == MarginUnit::HundredthsOfMillimetre ? 100 : 1000;
}
