#pragma once
// Where the main window opens: the default rectangle and bringing a saved one back onto
// the screen. Rectangles are left, top, right, bottom with right and bottom exclusive.

struct PlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PlacementRect&) const = default;
};

// width x height centred in the work area, cut to it.
PlacementRect DefaultNormalRect(const PlacementRect& work, int width, int height);
// When no work area is known.
PlacementRect FallbackNormalRect(int width, int height);

// Moves a rectangle that lies off the work area back onto it, keeping its size where
// possible; a top so high that the caption is out of reach comes down to the work area.
PlacementRect BringOntoWorkArea(PlacementRect rect, const PlacementRect& work, int smallCaptionHeight);
