#pragma once
// Whole numbers kept in the settings store: a missing or unreadable value gives the fallback.

#include <QString>

class QSettings;

int ReadSettingsInt(const QSettings& settings, const QString& key, int fallback);
