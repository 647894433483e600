#include "FontSpec.h"

#include "Conversions.h"

#include <cmath>
#include <limits>

namespace tavrio {

std::optional<std::int16_t> wholePoints(double points) {
    if (!std::isfinite(points)) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(points);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

} // namespace tavrio
