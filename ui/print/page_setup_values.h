#pragma once
// What the page-setup dialog edits, apart from the printer: the items, the margins in
// the unit the user's locale measures in, and the two fonts.

#include <array>

#include "ui/print/margin_units.h"
#include "ui/print/print_settings.h"

struct PageSetupValues {
    PageItems items;
    std::array<int, 4> margins{}; // left, top, right, bottom in shown units
    PrintFont textFont;
    PrintFont serviceFont;
};

PageSetupValues PageSetupValuesFrom(const PrintSettings& settings, MarginUnit unit);
PrintSettings SettingsWith(PrintSettings settings, const PageSetupValues& values, MarginUnit unit);

// Compared exactly: "courier new" is not the default face.
bool IsDefaultTextFont(const PrintFont& font);
bool IsDefaultServiceFont(const PrintFont& font);
