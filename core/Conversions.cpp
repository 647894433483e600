#include "Conversions.h"

#include "DateText.h"
#include "TextScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace tavrio {

namespace {

// A decimal number checked against the program's grammar and rewritten with '.' so that
// std::from_chars, which ignores the C locale, can read it.
struct DecimalText {
    std::string plain;
    bool negative = false;
    // The power of ten of the leading non-zero digit, saturated; it tells an overflow from an
    // underflow when the value does not fit the target type.
    std::int64_t magnitude = 0;
};

std::optional<DecimalText> scanDecimal(std::string_view text, std::string_view decimalSeparator) {
    text = trimBlanks(text);
    DecimalText number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        if (number.negative) {
            number.plain += '-';
        }
        ++pos;
    }

    std::int64_t integerDigits = 0;
    std::int64_t leadingZeros = 0; // zeros before the first non-zero digit, fraction included
    bool nonZeroSeen = false;
    std::size_t digitCount = 0;
    const auto takeDigits = [&](bool inFraction) {
        while (pos < text.size() && isDigit(text[pos])) {
            if (!nonZeroSeen && text[pos] == '0') {
                ++leadingZeros;
            } else {
                nonZeroSeen = true;
            }
            if (!inFraction) {
                ++integerDigits;
            }
            number.plain += text[pos];
            ++digitCount;
            ++pos;
        }
    };
    takeDigits(false);
    if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
        pos += decimalSeparator.size();
        if (digitCount == 0) {
            number.plain += '0';
        }
        number.plain += '.';
        takeDigits(true);
    }
    if (digitCount == 0) {
        return std::nullopt;
    }

    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        number.plain += 'e';
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            number.plain += text[pos];
            ++pos;
        }
        const std::size_t exponentStart = pos;
        constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
        while (pos < text.size() && isDigit(text[pos])) {
            exponent = std::min(kSaturated, exponent * 10 + (text[pos] - '0'));
            number.plain += text[pos];
            ++pos;
        }
        if (pos == exponentStart) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    number.magnitude = integerDigits - leadingZeros - 1 + exponent;
    return number;
}

// Like strtod: a value too large for the type becomes an infinity, one too small a zero.
template <typename Float>
std::optional<Float> readDecimal(std::string_view text, const RegionalSettings& regional) {
    const auto number = scanDecimal(text, regional.decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    Float value{};
    const char* first = number->plain.data();
    const char* last = first + number->plain.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        const Float size = number->magnitude > 0 ? std::numeric_limits<Float>::infinity() : Float{};
        return number->negative ? -size : size;
    }
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return value;
}

template <typename Integer>
std::optional<Integer> readWhole(std::string_view text, const RegionalSettings& regional) {
    const auto value = readDecimal<double>(text, regional);
    if (!value) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(*value);
    // Both limits are exact in a double for every type used here.
    if (!(whole >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
          whole <= static_cast<double>(std::numeric_limits<Integer>::max()))) {
        return std::nullopt;
    }
    return static_cast<Integer>(whole);
}

} // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // value - trunc(value) is exact, so a tie is recognised exactly; halving is exact too.
    if (std::fabs(value - std::trunc(value)) != 0.5) {
        return std::round(value);
    }
    return 2.0 * std::round(value / 2.0);
}

std::optional<std::int16_t> toInt16(std::string_view text, const RegionalSettings& regional) {
    return readWhole<std::int16_t>(text, regional);
}

std::optional<std::int32_t> toInt32(std::string_view text, const RegionalSettings& regional) {
    return readWhole<std::int32_t>(text, regional);
}

std::optional<std::uint8_t> toByte(std::string_view text, const RegionalSettings& regional) {
    return readWhole<std::uint8_t>(text, regional);
}

std::optional<float> toSingle(std::string_view text, const RegionalSettings& regional) {
    const auto value = readDecimal<float>(text, regional);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> toBoolean(std::string_view text, const RegionalSettings& regional) {
    const std::string_view word = trimBlanks(text);
    if (equalsIgnoringCase(word, "True")) {
        return true;
    }
    if (equalsIgnoringCase(word, "False")) {
        return false;
    }
    const auto number = readDecimal<double>(text, regional);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

std::optional<DateValue> toDate(std::string_view text, const RegionalSettings& regional) {
    return readDateText(text, regional);
}

std::string booleanText(bool value) {
    return value ? "True" : "False";
}

std::string integerText(std::int64_t value) {
    return std::to_string(value);
}

std::string singleText(float value, const RegionalSettings& regional) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0f) {
        return "0"; // negative zero too: it compares equal and "-0" would only puzzle a reader
    }

    // The shortest digits that read back to the same float, then laid out by hand so that the
    // decimal separator is the regional one and ordinary magnitudes get no exponent.
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    int exponent = 0;
    for (const char c : scientific.substr(exponentMark + 1)) {
        if (isDigit(c)) {
            exponent = exponent * 10 + (c - '0');
        }
    }
    if (scientific[exponentMark + 1] == '-') {
        exponent = -exponent;
    }

    std::string text = value < 0 ? "-" : "";
    constexpr int kSmallestPlain = -5;
    constexpr int kLargestPlain = 15;
    if (exponent < kSmallestPlain || exponent >= kLargestPlain) {
        text += digits.front();
        if (digits.size() > 1) {
            text += regional.decimalSeparator;
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        text += std::to_string(std::abs(exponent));
        return text;
    }
    if (exponent < 0) {
        text += '0';
        text += regional.decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, integerDigits);
    text += regional.decimalSeparator;
    text += digits.substr(integerDigits);
    return text;
}

} // namespace tavrio
