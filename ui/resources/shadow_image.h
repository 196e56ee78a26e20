#pragma once
// The drop-shadow picture the dialogs stretch around themselves: black, its alpha rising
// from 0 at the outer edge to 75 across an 82-pixel border, with a 4-pixel middle that
// the nine-piece drawing stretches. The build generates the PNG from this.

#include <QImage>

inline constexpr int kShadowBorder = 82;
inline constexpr int kShadowMiddle = 4;
inline constexpr int kShadowSize = 2 * kShadowBorder + kShadowMiddle; // 168
inline constexpr int kShadowAlpha = 75;

// The alpha at a distance (in pixels, measured from the middle square outwards) into the border:
// 75 at 0, falling smoothly to 0 at the border's outer edge and beyond.
int ShadowAlphaAt(double distanceFromMiddle);

// Straight image (not premultiplied), kShadowSize x kShadowSize.
QImage MakeShadowImage();
