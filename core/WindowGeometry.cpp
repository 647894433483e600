#include "WindowGeometry.h"

#include "Twips.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrio {

namespace {

// The frame in logical pixels, fractions kept: at a ratio of 2 a one-pixel border is half a
// logical pixel, and rounding it away would shift the window a little at every restart.
struct Margins {
    double left;
    double top;
    double right;
    double bottom;

    double across() const { return left + right; }
    double down() const { return top + bottom; }
};

Margins logical(const FrameExtents& frame, double devicePixelRatio) {
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    return {frame.left / ratio, frame.top / ratio, frame.right / ratio, frame.bottom / ratio};
}

template <typename Whole>
Whole nearest(double value) {
    const double clamped = std::clamp(value, double{std::numeric_limits<Whole>::min()},
                                      double{std::numeric_limits<Whole>::max()});
    return static_cast<Whole>(std::lround(clamped));
}

std::int32_t wholeTwips(double pixels) {
    return nearest<std::int32_t>(pixels * kTwipsPerPixel);
}

// A stored place in pixels, when it is there to be applied.
std::optional<double> appliedPlace(const std::optional<std::int32_t>& twips) {
    if (!twips || *twips == 0) {
        return std::nullopt;
    }
    return *twips / double{kTwipsPerPixel};
}

// A stored size in pixels, when it is there to be applied: a size below zero is no size a window
// can have, and is taken as not stored rather than as the smallest one.
std::optional<double> appliedSize(const std::optional<std::int32_t>& twips) {
    if (!twips || *twips <= 0) {
        return std::nullopt;
    }
    return *twips / double{kTwipsPerPixel};
}

} // namespace

bool StoredGeometry::placeApplied() const {
    return appliedPlace(left) || appliedPlace(top);
}

bool StoredGeometry::sizeApplied() const {
    return appliedSize(width) && appliedSize(height);
}

TwipsRect outerTwips(const Rect& client, const FrameExtents& frame, double devicePixelRatio) {
    const Margins margins = logical(frame, devicePixelRatio);
    return {wholeTwips(client.left - margins.left), wholeTwips(client.top - margins.top),
            wholeTwips(std::max(client.width, 1) + margins.across()),
            wholeTwips(std::max(client.height, 1) + margins.down())};
}

Rect placedClient(const StoredGeometry& stored, Size unstoredClient, const FrameExtents& frame,
                  double devicePixelRatio, std::span<const Rect> screens) {
    const Margins margins = logical(frame, devicePixelRatio);
    double width = appliedSize(stored.width).value_or(unstoredClient.width + margins.across());
    double height = appliedSize(stored.height).value_or(unstoredClient.height + margins.down());
    width = std::max(width, kSmallestClientSide + margins.across());
    height = std::max(height, kSmallestClientSide + margins.down());

    const Rect primary = screens.empty() ? Rect{} : screens.front();
    double left = appliedPlace(stored.left).value_or(primary.left + (primary.width - width) / 2);
    double top = appliedPlace(stored.top).value_or(primary.top + (primary.height - height) / 2);

    // Whole pixels, rounded outward, so that no part of the frame is left off the screen.
    const Rect outer{nearest<int>(std::floor(left)), nearest<int>(std::floor(top)),
                     nearest<int>(std::ceil(left + width) - std::floor(left)),
                     nearest<int>(std::ceil(top + height) - std::floor(top))};
    const Rect kept = keepOnScreens(outer, screens);
    if (kept != outer) {
        left = kept.left;
        top = kept.top;
        width = std::min(width, static_cast<double>(kept.width));
        height = std::min(height, static_cast<double>(kept.height));
    }
    return {nearest<int>(left + margins.left), nearest<int>(top + margins.top),
            std::max(1, nearest<int>(width - margins.across())),
            std::max(1, nearest<int>(height - margins.down()))};
}

Size clientForText(Size text) {
    return {text.width + 2 * (text.height / 4), text.height + 2 * (text.height / 8)};
}

Rect resizedAboutCentre(const Rect& client, Size size, const FrameExtents& frame,
                        double devicePixelRatio, std::span<const Rect> screens) {
    // Halves rounded toward zero: a step up and the same step down come back to the same place.
    const Rect wanted{client.left + (client.width - size.width) / 2,
                      client.top + (client.height - size.height) / 2, size.width, size.height};
    // The frame in whole pixels, rounded outward, so that none of it is left off the screen.
    const Margins margins = logical(frame, devicePixelRatio);
    const int left = nearest<int>(std::floor(wanted.left - margins.left));
    const int top = nearest<int>(std::floor(wanted.top - margins.top));
    const Rect outer{left, top, nearest<int>(std::ceil(wanted.right() + margins.right)) - left,
                     nearest<int>(std::ceil(wanted.bottom() + margins.bottom)) - top};
    const Rect kept = keepOnScreens(outer, screens);
    return {kept.left + (wanted.left - outer.left), kept.top + (wanted.top - outer.top),
            std::max(1, kept.width - (outer.width - wanted.width)),
            std::max(1, kept.height - (outer.height - wanted.height))};
}

TextFit fitText(Size text, const FrameExtents& frame, double devicePixelRatio, const Rect& area) {
    const Size needed = clientForText(text);
    // The client area lies at whole logical pixels: at a ratio of 2, a one-pixel border takes a
    // whole logical pixel of the room, or the frame would end a pixel past the screen.
    const Margins margins = logical(frame, devicePixelRatio);
    const double roomWide = area.width - std::ceil(margins.left) - std::ceil(margins.right);
    const double roomHigh = area.height - std::ceil(margins.top) - std::ceil(margins.bottom);
    if (needed.width <= 0 || needed.height <= 0 || roomWide < 1 || roomHigh < 1) {
        return {needed, 1.0};
    }
    const double scale = std::min({1.0, roomWide / needed.width, roomHigh / needed.height});
    if (scale >= 1.0) {
        return {needed, 1.0};
    }
    return {{std::min(nearest<int>(std::floor(roomWide)), nearest<int>(needed.width * scale)),
             std::min(nearest<int>(std::floor(roomHigh)), nearest<int>(needed.height * scale))},
            scale};
}

} // namespace tavrio
