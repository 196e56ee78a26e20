#include "ui/print/page_setup_values.h"

PageSetupValues PageSetupValuesFrom(const PrintSettings& settings, MarginUnit unit) {
    PageSetupValues values;
    values.items = DecodeItems(settings.items, ItemsReader::Dialog);
    values.margins = {ShownMargin(settings.marginLeft, unit), ShownMargin(settings.marginTop, unit),
                      ShownMargin(settings.marginRight, unit), ShownMargin(settings.marginBottom, unit)};
    values.textFont = settings.textFont;
    values.serviceFont = settings.serviceFont;
    return values;
}

PrintSettings SettingsWith(PrintSettings settings, const PageSetupValues& values, MarginUnit unit) {
    settings.marginLeft = StoredMargin(values.margins[0], unit);
    settings.marginTop = StoredMargin(values.margins[1], unit);
    settings.marginRight = StoredMargin(values.margins[2], unit);
    settings.marginBottom = StoredMargin(values.margins[3], unit);
    settings.items = EncodeItems(values.items);
    settings.textFont = values.textFont;
    settings.serviceFont = values.serviceFont;
    return settings;
}

bool IsDefaultTextFont(const PrintFont& font) {
    return font == kDefaultTextFont;
}

bool IsDefaultServiceFont(const PrintFont& font) {
    return font == kDefaultServiceFont;
}
