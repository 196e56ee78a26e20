#pragma once
// Caps Lock and Num Lock as the keyboard lights show them. Qt does not report lock
// states, so they are read from the kernel's LED class, which every user may read;
// where no keyboard light is exposed (a remote or nested display) both read as off.

#include <QString>

struct LockKeyStates {
    bool capsLock = false;
    bool numLock = false;
    bool operator==(const LockKeyStates&) const = default;
};

inline const QString kKeyboardLedsDirectory = QStringLiteral("/sys/class/leds");

// A lock is on when any keyboard's light for it ("<device>::capslock", "<device>::numlock")
// has a brightness above 0.
LockKeyStates ReadLockKeyStates(const QString& ledsDirectory = kKeyboardLedsDirectory);
