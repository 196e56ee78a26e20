#include "app/mainframe/placement.h"

#include <algorithm>

PlacementRect DefaultNormalRect(const PlacementRect& work, int width, int height) {
    PlacementRect rect;
    rect.left = std::max(work.left + (work.Width() - width) / 2, work.left);
    rect.right = std::min(rect.left + width, work.right);
    rect.top = std::max(work.top + (work.Height() - height) / 2, work.top);
    rect.bottom = std::min(rect.top + height, work.bottom);
    return rect;
}

PlacementRect FallbackNormalRect(int width, int height) {
    return {0, 25, width, 25 + height};
}

PlacementRect BringOntoWorkArea(PlacementRect rect, const PlacementRect& work, int smallCaptionHeight) {
    const int width = rect.Width();
    const int height = rect.Height();
    if (rect.left >= work.right) {
        rect.right = work.right;
        rect.left = std::max(rect.right - width, work.left);
    } else if (rect.right <= work.left) {
        rect.left = work.left;
        rect.right = std::min(rect.left + width, work.right);
    }
    if (rect.top >= work.bottom) {
        rect.bottom = work.bottom;
        rect.top = std::max(rect.bottom - height, work.top);
    } else if (rect.top + smallCaptionHeight <= work.top) {
        rect.top = work.top;
        rect.bottom = std::min(rect.top + height, work.bottom);
    }
    return rect;
}
