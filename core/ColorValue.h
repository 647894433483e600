// Colours as stored and as the font record carries them: red + 256 × green + 65536 × blue in
// one 32-bit value.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrio {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

constexpr std::int32_t colorValue(Rgb rgb) {
    return rgb.red + 256 * rgb.green + 65536 * rgb.blue;
}

// No value outside 0 to 0xFFFFFF: negative values name system colours, which a text colour
// does not take.
constexpr std::optional<Rgb> rgbOf(std::int32_t value) {
    if (value < 0 || value > 0xFFFFFF) {
        return std::nullopt;
    }
    return Rgb{static_cast<std::uint8_t>(value & 0xFF),
               static_cast<std::uint8_t>(value >> 8 & 0xFF),
               static_cast<std::uint8_t>(value >> 16 & 0xFF)};
}

} // namespace tavrio
