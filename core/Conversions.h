// Conversions between stored setting texts and the values they stand for. Every reader gives a
// value or no value and never throws; numbers use the regional decimal separator.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

// Whole numbers: a decimal number (sign, digits, an optional fraction and exponent, blanks at
// either end allowed) rounded to the nearest whole number, a tie to the even one (2.5 gives 2,
// 3.5 gives 4); no value for other text or a result outside the type's range.
std::optional<std::int16_t> toInt16(std::string_view text, const RegionalSettings& regional);
std::optional<std::int32_t> toInt32(std::string_view text, const RegionalSettings& regional);
std::optional<std::uint8_t> toByte(std::string_view text, const RegionalSettings& regional);

// A finite decimal number within the single-precision range.
std::optional<float> toSingle(std::string_view text, const RegionalSettings& regional);

// "True" and "False" (in any letter case, blanks at either end allowed), or a number: 0 is
// false, any other number true.
std::optional<bool> toBoolean(std::string_view text, const RegionalSettings& regional);

// Text the regional settings read as a date, a time or both (see readDateText).
std::optional<DateValue> toDate(std::string_view text, const RegionalSettings& regional);

// Round half to even, as every whole-number conversion of the program does.
double roundHalfEven(double value);

// The written forms.
std::string booleanText(bool value);         // "True", "False"
std::string integerText(std::int64_t value); // "-12", "255"

// The shortest decimal that reads back to the same float: "4680", "10.5", "-15", "0". Below
// 0.00001 and from 1E+15 up an exponent keeps the text short ("1,5E+20" under German settings).
// The non-finite values, which no setting can hold, give "NaN", "Infinity" and "-Infinity";
// they read back as no value, so a reader falls back to its default.
std::string singleText(float value, const RegionalSettings& regional);

} // namespace tavrio
