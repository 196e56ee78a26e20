#include "app/docking/bar_sizes.h"

#include <QSettings>

#include "app/settings/settings_int.h"

namespace {

int ReadAtLeast(QSettings& settings, const QString& key, int current, int minimum) {
    const int value = ReadSettingsInt(settings, key, current);
    return value < minimum ? minimum : value;
}

} // namespace

QSize BarSizes::For(BarOrientation orientation) const {
    switch (orientation) {
    case BarOrientation::Horizontal:
        return horizontal;
    case BarOrientation::Vertical:
        return vertical;
    case BarOrientation::Floating:
        break;
    }
    return floating;
}

void BarSizes::Set(BarOrientation orientation, QSize size) {
    switch (orientation) {
    case BarOrientation::Horizontal:
        horizontal = size;
        break;
    case BarOrientation::Vertical:
        vertical = size;
        break;
    case BarOrientation::Floating:
        floating = size;
        break;
    }
}

BarSizes FixedBarSizes(QSize dialog) {
    const int w = dialog.width();
    const int h = dialog.height();
    return {QSize(w + 15, h + 10), QSize(w + 10, h + 15), QSize(w, h), QSize(w + 15, h + 15)};
}

BarSizes ResizableBarSizes(QSize dialog, QSize minimum) {
    return {dialog, dialog, dialog, minimum.boundedTo(dialog)};
}

QString BarSection(const QString& prefix, int barId) {
    return QStringLiteral("%1-Bar%2").arg(prefix).arg(barId);
}

BarSizes LoadBarSizes(QSettings& settings, const QString& prefix, int barId, const BarSizes& current) {
    BarSizes sizes = current;
    const int minX = current.minimum.width();
    const int minY = current.minimum.height();
    settings.beginGroup(BarSection(prefix, barId));
    sizes.horizontal =
        QSize(ReadAtLeast(settings, QStringLiteral("HorizontalX"), current.horizontal.width(), minX),
              ReadAtLeast(settings, QStringLiteral("HorizontalY"), current.horizontal.height(), minY));
    sizes.vertical =
        QSize(ReadAtLeast(settings, QStringLiteral("VerticalX"), current.vertical.width(), minX),
              ReadAtLeast(settings, QStringLiteral("VerticalY"), current.vertical.height(), minY));
    sizes.floating =
        QSize(ReadAtLeast(settings, QStringLiteral("FloatingX"), current.floating.width(), minX),
              ReadAtLeast(settings, QStringLiteral("FloatingY"), current.floating.height(), minY));
    settings.endGroup();
    return sizes;
}

void SaveBarSizes(QSettings& settings, const QString& prefix, int barId, const BarSizes& sizes) {
    settings.beginGroup(BarSection(prefix, barId));
    settings.setValue(QStringLiteral("HorizontalX"), sizes.horizontal.width());
    settings.setValue(QStringLiteral("HorizontalY"), sizes.horizontal.height());
    settings.setValue(QStringLiteral("VerticalX"), sizes.vertical.width());
    settings.setValue(QStringLiteral("VerticalY"), sizes.vertical.height());
    settings.setValue(QStringLiteral("FloatingX"), sizes.floating.width());
    settings.setValue(QStringLiteral("FloatingY"), sizes.floating.height());
    settings.endGroup();
}
