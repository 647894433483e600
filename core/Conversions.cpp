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

// Reads a decimal number's text left to right: sign, digits, fraction, exponent.
class DecimalScan {
public:
    explicit DecimalScan(std::string_view text)
        : text_(trimBlanks(text)) {}

    std::optional<DecimalText> run(std::string_view decimalSeparator) {
        takeSign();
        if (!takeMantissa(decimalSeparator)) {
            return std::nullopt;
        }
        const std::optional<std::int64_t> exponent = takeExponent();
        if (!exponent || pos_ != text_.size()) {
            return std::nullopt;
        }
        number_.magnitude = integerDigits_ - leadingZeros_ - 1 + *exponent;
        return number_;
    }

private:
    bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool atDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }

    void takeSign() {
        if (at('+') || at('-')) {
            number_.negative = at('-');
            if (number_.negative) {
                number_.plain += '-';
            }
            ++pos_;
        }
    }

    // False when there is not one digit before the exponent.
    bool takeMantissa(std::string_view decimalSeparator) {
        takeDigits(false);
        if (!decimalSeparator.empty() && text_.substr(pos_).starts_with(decimalSeparator)) {
            pos_ += decimalSeparator.size();
            if (digitCount_ == 0) {
                number_.plain += '0';
            }
            number_.plain += '.';
            takeDigits(true);
        }
        return digitCount_ > 0;
    }

    void takeDigits(bool inFraction) {
        while (atDigit()) {
            if (!nonZeroSeen_ && text_[pos_] == '0') {
                ++leadingZeros_;
            } else {
                nonZeroSeen_ = true;
            }
            if (!inFraction) {
                ++integerDigits_;
            }
            number_.plain += text_[pos_];
            ++digitCount_;
            ++pos_;
        }
    }

    // 0 without one; none for an "E" without digits.
    std::optional<std::int64_t> takeExponent() {
        if (!at('e') && !at('E')) {
            return 0;
        }
        number_.plain += 'e';
        ++pos_;
        const bool negative = at('-');
        if (at('+') || at('-')) {
            number_.plain += text_[pos_];
            ++pos_;
        }
        const std::size_t start = pos_;
        constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
        std::int64_t exponent = 0;
        while (atDigit()) {
            exponent = std::min(kSaturated, exponent * 10 + (text_[pos_] - '0'));
            number_.plain += text_[pos_];
            ++pos_;
        }
        if (pos_ == start) {
            return std::nullopt;
        }
        return negative ? -exponent : exponent;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    DecimalText number_;
    std::int64_t integerDigits_ = 0;
    std::int64_t leadingZeros_ = 0; // zeros before the first non-zero digit, fraction included
    bool nonZeroSeen_ = false;
    std::size_t digitCount_ = 0;
};

std::optional<DecimalText> scanDecimal(std::string_view text, std::string_view decimalSeparator) {
    return DecimalScan(text).run(decimalSeparator);
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

// A finite non-zero float's shortest decimal digits, without sign or point, and the power of ten
// of the first one: 1.5e-7 is "15" and -7.
struct ShortestDigits {
    std::string digits;
    int exponent = 0;
};

ShortestDigits shortestDigits(float value) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t exponentMark = scientific.find('e');
    ShortestDigits shortest;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (isDigit(c)) {
            shortest.digits += c;
        }
    }
    for (const char c : scientific.substr(exponentMark + 1)) {
        if (isDigit(c)) {
            shortest.exponent = shortest.exponent * 10 + (c - '0');
        }
    }
    if (scientific[exponentMark + 1] == '-') {
        shortest.exponent = -shortest.exponent;
    }
    return shortest;
}

// 1,5E+20, 1E-7.
std::string withExponent(const ShortestDigits& shortest, std::string_view decimalSeparator) {
    std::string text(1, shortest.digits.front());
    if (shortest.digits.size() > 1) {
        text += decimalSeparator;
        text += shortest.digits.substr(1);
    }
    text += shortest.exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(shortest.exponent));
    return text;
}

// 0,0015, 4680, 10,5.
std::string withoutExponent(const ShortestDigits& shortest, std::string_view decimalSeparator) {
    const std::string& digits = shortest.digits;
    std::string text;
    if (shortest.exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-shortest.exponent - 1), '0');
        return text + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(shortest.exponent) + 1;
    if (digits.size() <= integerDigits) {
        return digits + std::string(integerDigits - digits.size(), '0');
    }
    text += digits.substr(0, integerDigits);
    text += decimalSeparator;
    text += digits.substr(integerDigits);
    return text;
}

} // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // Every step is exact: the fraction, its comparison with a half, the halving. std::round is
    // not used: some C libraries (mingw-w64's) round 0.49999999999999994 up.
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    const double away = whole + std::copysign(1.0, value);
    if (fraction < 0.5) {
        return whole;
    }
    if (fraction > 0.5) {
        return away;
    }
    return std::fmod(whole, 2.0) == 0.0 ? whole : away;
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
    // The shortest digits that read back to the same float, laid out by hand so that the decimal
    // separator is the regional one and ordinary magnitudes get no exponent.
    const std::string sign = value < 0 ? "-" : "";
    const ShortestDigits shortest = shortestDigits(value);
    constexpr int kSmallestPlain = -5;
    constexpr int kLargestPlain = 15;
    if (shortest.exponent < kSmallestPlain || shortest.exponent >= kLargestPlain) {
        return sign + withExponent(shortest, regional.decimalSeparator);
    }
    return sign + withoutExponent(shortest, regional.decimalSeparator);
}

} // namespace tavrio
