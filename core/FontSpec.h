// The font the settings window's font button hands to the font dialog and takes back: face,
// size, colour, slant and weight, in the form in which the label's font is stored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavrio {

struct FontSpec {
    std::string Name;       // empty when no face was chosen
    std::int16_t Size = 0;  // whole points
    std::int32_t Color = 0; // red + 256 × green + 65536 × blue
    bool Italic = false;
    bool Bold = false;

    bool operator==(const FontSpec&) const = default;
};

// A size in points as whole points, a tie going to the even one (10.5 gives 10, 11.5 gives 12);
// none when it is not a number or does not fit.
std::optional<std::int16_t> wholePoints(double points);

// Font weights on the 1 to 1000 scale (400 regular, 700 bold): everything heavier than regular
// reads as bold, so a semi-bold face keeps looking heavy on the label.
constexpr bool isBoldWeight(int weight) {
    return weight > 400;
}

} // namespace tavrio
