// Where the display label goes in the timer window: centred in the client area without
// changing its size, computed in single precision in twips. A label larger than the client area
// gets negative offsets and is cut off equally on both sides.
#pragma once

namespace tavrio {

struct TwipsPoint {
    float left;
    float top;

    bool operator==(const TwipsPoint&) const = default;
};

constexpr TwipsPoint centredLabelPosition(float clientWidth, float clientHeight, float labelWidth,
                                          float labelHeight) {
    return {clientWidth / 2.0f - labelWidth / 2.0f, clientHeight / 2.0f - labelHeight / 2.0f};
}

} // namespace tavrio
