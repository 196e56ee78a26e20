#pragma once
// Margins as the page setup shows them: hundredths of a millimetre where the locale
// measures in metric, thousandths of an inch elsewhere; stored in 0.0001 mm.

#include <QLocale>

enum class MarginUnit { HundredthsOfMillimetre, ThousandthsOfInch };

MarginUnit MarginUnitFor(QLocale::MeasurementSystem system);
// Rounded to the nearest shown unit.
int ShownMargin(int stored, MarginUnit unit);
// Exact: what is stored shows again as the same number.
int StoredMargin(int shown, MarginUnit unit);
// Shown units per millimetre or inch: 100 or 1000.
int ShownUnitsPerWhole(MarginUnit unit);
