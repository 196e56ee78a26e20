#pragma once
// Caps Lock and Num Lock as the keyboard lights show them. Qt does not report lock
// states, so they are read from the kernel's LED class, which every user may read;
// where no keyboard light is exposed (a remote or nested display) both read as off.

#include <QString>
#include <QStringList>

struct LockKeyStates {
    bool capsLock = false;
    bool numLock = false;
    bool operator==(const LockKeyStates&) const = default;
};

// The brightness files of every keyboard's lock lights ("<device>::capslock",
// "<device>::numlock"), found once so that polling reads only these files.
struct LockKeyLights {
    QStringList capsLock;
    QStringList numLock;
    bool IsEmpty() const { return capsLock.isEmpty() && numLock.isEmpty(); }
};

inline const QString kKeyboardLedsDirectory = QStringLiteral("/sys/class/leds");

LockKeyLights FindLockKeyLights(const QString& ledsDirectory = kKeyboardLedsDirectory);

// A lock is on when any of its lights has a brightness above 0.
LockKeyStates ReadLockKeyStates(const LockKeyLights& lights);
