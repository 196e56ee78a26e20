#pragma once
// The status bar's indicator panes, each as wide as its sizing text.

#include <QString>

class QLabel;
class QStatusBar;

enum class StatusPane { Result, Unit, SSE2, CapsLock, NumLock };

// "Rad", "Deg", "Grad"; any other unit shows "Rad".
QString UnitIndicatorText(int trigonometricUnits);
// "rslt = " and the previous result as the panes show values.
QString ResultIndicatorText(int formatI);

class StatusPanes {
public:
    explicit StatusPanes(QStatusBar* bar);

    void SetText(StatusPane pane, const QString& text);
    QString Text(StatusPane pane) const;

private:
    QLabel* labels_[5];
};
