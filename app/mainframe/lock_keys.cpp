#include "app/mainframe/lock_keys.h"

#include <QDir>
#include <QFile>

namespace {

bool LightIsOn(const QString& ledDirectory)
{
    QFile brightness(ledDirectory + QStringLiteral("/brightness"));
    if (!brightness.open(QIODevice::ReadOnly))
        return false;
    bool number = false;
    const int value = brightness.read(16).trimmed().toInt(&number);
    return number && value > 0;
}

} // namespace

LockKeyStates ReadLockKeyStates(const QString& ledsDirectory)
{
    LockKeyStates states;
    const QDir leds(ledsDirectory);
    const QStringList names = leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& name : names) {
        if (name.endsWith(QLatin1String("::capslock")))
            states.capsLock = states.capsLock || LightIsOn(leds.filePath(name));
        else if (name.endsWith(QLatin1String("::numlock")))
            states.numLock = states.numLock || LightIsOn(leds.filePath(name));
    }
    return states;
}
