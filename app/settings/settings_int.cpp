#include "app/settings/settings_int.h"

#include <QSettings>

int ReadSettingsInt(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int stored = settings.value(key, fallback).toInt(&ok);
    return ok ? stored : fallback;
}
