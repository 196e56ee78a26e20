#pragma once
// Where a floating pane goes on the screen: beside the main window when it first floats,
// and back onto a screen when a stored place lies off every screen there is now.

#include <QList>
#include <QRect>
#include <QSize>

struct FloatingAnchor {
    QRect frame;       // the main window's frame, its title bar included
    int menuBarBottom; // the first screen row below the main window's menu bar
};

// Right of the frame, else left of it, top-aligned with it, on the screen that holds most
// of the frame; where neither fits (a maximized window), inside the frame at its right,
// below the menu bar. `pane` is the pane's frame size, title bar included.
QRect PaneBesideFrame(const FloatingAnchor& anchor, QSize pane, const QList<QRect>& screens);

// Whether a user could grab the pane by its title: enough of its top band lies on a screen.
bool ReachableOnScreens(const QRect& pane, const QList<QRect>& screens, int titleHeight);
