// The timer window's geometry as placed and as stored. Three units meet here:
// - the client area is placed in the desktop's logical pixels, whole numbers (Qt's
//   device-independent pixels);
// - the window manager gives the frame around it in device pixels, the screen's own: logical
//   pixels times the device pixel ratio (2 at QT_SCALE_FACTOR=2 or Xft.dpi 192, 1.25 at 120 dpi);
// - the store holds the outer geometry, frame included, in whole twips, 15 to a logical pixel.
// A window placed from what is stored and stored again without being moved or resized gives back
// the same numbers, at every scale and with every frame.
#pragma once

#include "ScreenFit.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tavrio {

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

// The frame a window manager puts around a client area, in device pixels, as it announces it.
struct FrameExtents {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const FrameExtents&) const = default;
};

// The outer geometry of a window, frame included, in twips.
struct TwipsRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// The outer geometry the store holds, each value as read: none when absent or unreadable. A place
// of 0, and a size of 0 or below, are not applied either, as if they were absent.
struct StoredGeometry {
    std::optional<std::int32_t> left;
    std::optional<std::int32_t> top;
    std::optional<std::int32_t> width;
    std::optional<std::int32_t> height;

    // A stored place is applied, in either coordinate (zero is no place).
    bool placeApplied() const;
    // A stored size is applied in both sides (none at zero or below).
    bool sizeApplied() const;

    bool operator==(const StoredGeometry&) const = default;
};

// The smallest client area a stored size gives: enough to see the window and to grab it.
inline constexpr int kSmallestClientSide = 24;

// The outer geometry, in whole twips, of a client area inside the frame. Always at least one
// logical pixel wide and high.
TwipsRect outerTwips(const Rect& client, const FrameExtents& frame, double devicePixelRatio);

// Where the client area goes for what the store holds:
// - the outer size as stored, with at least kSmallestClientSide of client area each way; where
//   none is stored, `unstoredClient` (the design size, or the one a first start needs);
// - the outer place as stored; where none is stored, centred on the primary screen's available
//   area (the first of `screens`);
// - the whole window, frame included, moved onto the nearest screen when it does not lie on the
//   screens, and shrunk to that screen where it is larger.
Rect placedClient(const StoredGeometry& stored, Size unstoredClient, const FrameExtents& frame,
                  double devicePixelRatio, std::span<const Rect> screens);

// The client area that shows a text of the given size whole, with room around it so that the
// text does not touch the frame: a quarter of its height on either side, an eighth above and
// below.
Size clientForText(Size text);

// The client area given another size about its centre, the whole window, frame included, kept on
// the screens: moved onto the nearest and shrunk to it where it does not lie on them.
Rect resizedAboutCentre(const Rect& client, Size size, const FrameExtents& frame,
                        double devicePixelRatio, std::span<const Rect> screens);

// A first start: the client area that shows a text of the given size whole (clientForText), and
// how much the text has to shrink (1 when it need not) so that the window, frame included, fits
// the area.
struct TextFit {
    Size client;
    double textScale = 1.0;

    bool operator==(const TextFit&) const = default;
};
TextFit fitText(Size text, const FrameExtents& frame, double devicePixelRatio, const Rect& area);

} // namespace tavrio
