#include "app/mainframe/lock_keys.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

bool LightIsOn(const QString& brightnessFile) {
    QFile brightness(brightnessFile);
    if (!brightness.open(QIODevice::ReadOnly))
        return false;
    bool number = false;
    const int value = brightness.read(16).trimmed().toInt(&number);
    return number && value > 0;
}

bool AnyLightIsOn(const QStringList& brightnessFiles) {
    return std::any_of(brightnessFiles.begin(), brightnessFiles.end(), LightIsOn);
}

} // namespace

LockKeyLights FindLockKeyLights(const QString& ledsDirectory) {
    LockKeyLights lights;
    const QDir leds(ledsDirectory);
    const QStringList names = leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& name : names) {
        const QString brightness = leds.filePath(name + QStringLiteral("/brightness"));
        if (name.endsWith(QLatin1String("::capslock")))
            lights.capsLock.append(brightness);
        else if (name.endsWith(QLatin1String("::numlock")))
            lights.numLock.append(brightness);
    }
    return lights;
}

LockKeyStates ReadLockKeyStates(const LockKeyLights& lights) {
    return {AnyLightIsOn(lights.capsLock), AnyLightIsOn(lights.numLock)};
}
