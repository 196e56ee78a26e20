#pragma once
// The status bar's indicator panes, each as wide as its sizing text.

#include <QObject>
#include <QString>
#include <QTimer>

#include "app/mainframe/lock_keys.h"

class QLabel;
class QStatusBar;

enum class StatusPane { Result, Unit, SSE2, CapsLock, NumLock };

// "Rad", "Deg", "Grad"; any other unit shows "Rad".
QString UnitIndicatorText(int trigonometricUnits);
// "rslt = " and the previous result as the panes show values.
QString ResultIndicatorText(int formatI);

// Owned by the status bar. The lock-key panes show "CAP" and "NUM" while the lock is on,
// read four times a second from the lights found at start (none found: no polling).
class StatusPanes : public QObject {
    Q_OBJECT

  public:
    explicit StatusPanes(QStatusBar* bar, const QString& ledsDirectory = kKeyboardLedsDirectory);

    void SetText(StatusPane pane, const QString& text);
    QString Text(StatusPane pane) const;
    void RefreshLockKeys();

  private:
    QLabel* labels_[5];
    LockKeyLights lockKeyLights_;
    QTimer lockKeyTimer_;
};
