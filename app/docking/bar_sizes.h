#pragma once
// The sizes a docking pane remembers, one per orientation, and how they are stored.

#include <QSize>
#include <QString>

class QSettings;

enum class BarOrientation { Horizontal, Vertical, Floating };

struct BarSizes {
    QSize horizontal; // docked at the top or bottom
    QSize vertical;   // docked at the left or right
    QSize floating;
    QSize minimum; // lower bound of every size

    QSize For(BarOrientation orientation) const;
    void Set(BarOrientation orientation, QSize size);
    bool operator==(const BarSizes&) const = default;
};

// A fixed-size pane around a dialog of this size: room for the frame and the gripper.
BarSizes FixedBarSizes(QSize dialog);
// A resizable pane starts at its dialog's size.
BarSizes ResizableBarSizes(QSize dialog, QSize minimum);

// The section of one pane: prefix, "-Bar" and the pane's id, as "GUI/BarState-Bar102".
QString BarSection(const QString& prefix, int barId);

// Each stored value below its minimum gives the minimum; a missing one keeps the current.
BarSizes LoadBarSizes(QSettings& settings, const QString& prefix, int barId, const BarSizes& current);
void SaveBarSizes(QSettings& settings, const QString& prefix, int barId, const BarSizes& sizes);
