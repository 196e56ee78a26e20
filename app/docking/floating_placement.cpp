#include "app/docking/floating_placement.h"

#include <algorithm>

namespace {

// Between the main window's frame and a pane beside it.
constexpr int kGap = 4;
// A title band narrower than this on the screen cannot be grabbed.
constexpr int kGrabWidth = 48;

// The screen that holds most of the frame; the first one when none does.
QRect ScreenOf(const QRect& frame, const QList<QRect>& screens) {
    QRect best = screens.isEmpty() ? frame : screens.first();
    qint64 bestArea = -1;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(frame);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

QRect PaneBesideFrame(const FloatingAnchor& anchor, QSize pane, const QList<QRect>& screens) {
    const QRect& frame = anchor.frame;
    const QRect screen = ScreenOf(frame, screens);
    const QRect right(QPoint(frame.right() + 1 + kGap, frame.top()), pane);
    if (screen.contains(right))
        return right;
    const QRect left(QPoint(frame.left() - kGap - pane.width(), frame.top()), pane);
    if (screen.contains(left))
        return left;

    QRect inside(QPoint(std::min(frame.right(), screen.right()) + 1 - kGap - pane.width(),
                        anchor.menuBarBottom + kGap),
                 pane);
    // A screen too small for the pane keeps its top left corner, with the title, on it.
    inside.moveRight(std::min(inside.right(), screen.right()));
    inside.moveLeft(std::max(inside.left(), screen.left()));
    inside.moveBottom(std::min(inside.bottom(), screen.bottom()));
    inside.moveTop(std::max(inside.top(), std::max(screen.top(), anchor.menuBarBottom)));
    return inside;
}

bool ReachableOnScreens(const QRect& pane, const QList<QRect>& screens, int titleHeight) {
    const QRect title(pane.topLeft(), QSize(pane.width(), std::max(titleHeight, 1)));
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect common = screen.intersected(title);
        return !common.isEmpty() && common.width() >= std::min(kGrabWidth, pane.width()) &&
               common.top() == title.top();
    });
}
