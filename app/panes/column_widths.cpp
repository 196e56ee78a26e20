#include "app/panes/column_widths.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QHeaderView>
#include <QSettings>
#include <QStyle>
#include <QWidget>
#include <QtMath>

#include "app/settings/settings_int.h"

namespace NCalculatorPanes {

namespace {

// Wider than any screen: a larger stored value is a damaged one.
constexpr int kLargestWidth = 32767;

} // namespace

QList<int> ReadColumnWidths(QSettings& settings, const QString& section,
                            std::span<const ColumnWidthSetting> columns, const QFont& font, int cellMargins) {
    // Fractional advances rounded up: a sample one subpixel wider than its cell is cut.
    const QFontMetricsF metrics(font);
    QList<int> widths;
    settings.beginGroup(section);
    for (const ColumnWidthSetting& column : columns) {
        const int stored = ReadSettingsInt(settings, QLatin1String(column.key), 0);
        const bool usable = stored > 0 && stored <= kLargestWidth;
        widths.append(usable
                          ? stored
                          : qCeil(metrics.horizontalAdvance(QLatin1String(column.sampleText))) + cellMargins);
    }
    settings.endGroup();
    return widths;
}

void WriteColumnWidths(QSettings& settings, const QString& section,
                       std::span<const ColumnWidthSetting> columns, const QList<int>& widths) {
    settings.beginGroup(section);
    for (std::size_t i = 0; i < columns.size() && i < static_cast<std::size_t>(widths.size()); ++i)
        settings.setValue(QLatin1String(columns[i].key), widths[static_cast<qsizetype>(i)]);
    settings.endGroup();
}

QList<int> SectionWidths(const QHeaderView& header) {
    QList<int> widths;
    for (int section = 0; section < header.count(); ++section)
        widths.append(header.sectionSize(section));
    return widths;
}

void SetSectionWidths(QHeaderView& header, const QList<int>& widths) {
    for (int section = 0; section < widths.size() && section < header.count(); ++section)
        header.resizeSection(section, widths[section]);
}

int FillingWidth(const QList<int>& otherWidths, int available, int least) {
    int left = available;
    for (int width : otherWidths)
        left -= width;
    return std::max(left, least);
}

int CellTextMargins(const QWidget& view) {
    // The item delegate keeps this margin on either side of a cell's text.
    return 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

} // namespace NCalculatorPanes
