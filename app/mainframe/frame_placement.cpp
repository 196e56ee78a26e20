#include "app/mainframe/frame_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

#include "app/mainframe/dpi.h"
#include "app/mainframe/placement.h"
#include "app/settings/settings_int.h"

namespace {

const QString kFrameGroup = QStringLiteral("GUI/Frame");

PlacementRect ToPlacement(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const PlacementRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace

void RestoreFramePlacement(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int width = ScaledPixels(930, &window);
    const int height = ScaledPixels(550, &window);
    const PlacementRect fallback =
        screen != nullptr ? DefaultNormalRect(ToPlacement(screen->availableGeometry()), width, height)
                          : FallbackNormalRect(width, height);
    QSettings settings;
    settings.beginGroup(kFrameGroup);
    PlacementRect rect{ReadSettingsInt(settings, QStringLiteral("Left"), fallback.left),
                       ReadSettingsInt(settings, QStringLiteral("Top"), fallback.top),
                       ReadSettingsInt(settings, QStringLiteral("Right"), fallback.right),
                       ReadSettingsInt(settings, QStringLiteral("Bottom"), fallback.bottom)};
    const bool maximized = ReadSettingsInt(settings, QStringLiteral("Maximized"), 1) != 0;
    settings.endGroup();
    if (rect.Width() <= 0 || rect.Height() <= 0)
        rect = fallback;

    const QScreen* nearest = QGuiApplication::screenAt(ToQRect(rect).center());
    if (nearest == nullptr)
        nearest = screen;
    if (nearest != nullptr) {
        // The small caption of a tool window: enough to grab the window by.
        const int smallCaption =
            window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) * 2 / 3;
        rect = BringOntoWorkArea(rect, ToPlacement(nearest->availableGeometry()), smallCaption);
    }
    window.setGeometry(ToQRect(rect));
    if (maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SaveFramePlacement(const QWidget& window) {
    QSettings settings;
    settings.beginGroup(kFrameGroup);
    const bool restored = !window.isMaximized() && !window.isFullScreen();
    const PlacementRect normal = ToPlacement(restored ? window.geometry() : window.normalGeometry());
    settings.setValue(QStringLiteral("Maximized"), window.isMaximized() ? 1 : 0);
    settings.setValue(QStringLiteral("Left"), normal.left);
    settings.setValue(QStringLiteral("Top"), normal.top);
    settings.setValue(QStringLiteral("Right"), normal.right);
    settings.setValue(QStringLiteral("Bottom"), normal.bottom);
    settings.endGroup();
}
