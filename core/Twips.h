// Window geometry is stored in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
// Qt's device-independent pixels already carry the 96 dpi scale, so one logical pixel is always
// 15 twips and a HiDPI screen shows the window at the same physical size.
#pragma once

#include <cmath>

namespace tavrio {

inline constexpr int kTwipsPerPixel = 15;

constexpr double twipsFromPixels(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

// To the nearest pixel, half a pixel away from zero.
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace tavrio
