#include "Conversions.h"

#include "DateText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tavrio {
namespace {

enum class Locale { US, UK, German };

RegionalSettings settingsOf(Locale locale) {
    switch (locale) {
    case Locale::US:
        return RegionalSettings::usEnglish();
    case Locale::UK:
        return RegionalSettings::ukEnglish();
    case Locale::German:
        return RegionalSettings::german();
    }
    return {};
}

const char* nameOf(Locale locale) {
    switch (locale) {
    case Locale::US:
        return "US";
    case Locale::UK:
        return "UK";
    case Locale::German:
        return "German";
    }
    return "?";
}

constexpr Locale kAllLocales[] = {Locale::US, Locale::UK, Locale::German};

// --- Whole numbers --------------------------------------------------------------------------

struct WholeCase {
    std::string text;
    Locale locale;
    std::optional<std::int16_t> int16;
    std::optional<std::int32_t> int32;
    std::optional<std::uint8_t> byte;
};

std::ostream& operator<<(std::ostream& out, const WholeCase& c) {
    const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
    return out << '"' << shown << "\" (" << nameOf(c.locale) << ')';
}

class WholeNumbers : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumbers, ReadAsEachWidth) {
    const WholeCase& c = GetParam();
    const RegionalSettings regional = settingsOf(c.locale);
    EXPECT_EQ(toInt16(c.text, regional), c.int16);
    EXPECT_EQ(toInt32(c.text, regional), c.int32);
    EXPECT_EQ(toByte(c.text, regional), c.byte);
}

constexpr auto none = std::nullopt;

WholeCase same(std::string text, Locale locale, std::int32_t value) {
    const auto fitsInt16 = value >= -32768 && value <= 32767;
    const auto fitsByte = value >= 0 && value <= 255;
    return {std::move(text), locale,
            fitsInt16 ? std::optional<std::int16_t>(static_cast<std::int16_t>(value)) : none, value,
            fitsByte ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(value)) : none};
}

WholeCase nothing(std::string text, Locale locale = Locale::US) {
    return {std::move(text), locale, none, none, none};
}

INSTANTIATE_TEST_SUITE_P(
    Plain, WholeNumbers,
    ::testing::Values(same("0", Locale::US, 0), same("42", Locale::UK, 42),
                      same("  42  ", Locale::US, 42), same("\t7\t", Locale::German, 7),
                      same("+5", Locale::US, 5), same("-1", Locale::US, -1),
                      same("-0", Locale::US, 0), same("0000000000000000000000042", Locale::US, 42),
                      same("5.", Locale::US, 5), same(".5", Locale::US, 0),
                      same("1e3", Locale::US, 1000), same("1E+2", Locale::German, 100),
                      same("12e-1", Locale::US, 1), same("0e999999", Locale::US, 0)));

INSTANTIATE_TEST_SUITE_P(
    TiesToEven, WholeNumbers,
    ::testing::Values(same("0.5", Locale::US, 0), same("1.5", Locale::US, 2),
                      same("2.5", Locale::US, 2), same("3.5", Locale::UK, 4),
                      same("-0.5", Locale::US, 0), same("-2.5", Locale::US, -2),
                      same("-3.5", Locale::US, -4), same("2.4999", Locale::US, 2),
                      same("2.5001", Locale::US, 3), same("25e-1", Locale::US, 2),
                      same("2,5", Locale::German, 2), same("3,5", Locale::German, 4),
                      same("-0,6", Locale::German, -1)));

INSTANTIATE_TEST_SUITE_P(
    Limits, WholeNumbers,
    ::testing::Values(same("32767", Locale::US, 32767), same("32767.4", Locale::US, 32767),
                      same("32767.5", Locale::US, 32768), same("-32768", Locale::US, -32768),
                      same("-32768.5", Locale::US, -32768), same("-32769", Locale::US, -32769),
                      same("255", Locale::US, 255), same("255.5", Locale::US, 256),
                      same("254.5", Locale::US, 254), same("2147483647", Locale::US, 2147483647),
                      same("-2147483648", Locale::US, -2147483647 - 1),
                      same("-2147483648.5", Locale::US, -2147483647 - 1), nothing("2147483647.5"),
                      nothing("2147483648"), nothing("-2147483649"), nothing("1e10")));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, WholeNumbers,
    ::testing::Values(nothing(""), nothing("   "), nothing("abc"), nothing("12abc"), nothing("1 2"),
                      nothing("--1"), nothing("+-1"), nothing("."), nothing("-"), nothing("1.2.3"),
                      nothing("0x10"), nothing("1e"), nothing("1e+"), nothing("e5"), nothing("inf"),
                      nothing("nan"), nothing("1,000"), nothing("2,5", Locale::US),
                      nothing("2,5", Locale::UK), nothing("2.5", Locale::German),
                      nothing("1 000", Locale::German)));

INSTANTIATE_TEST_SUITE_P(
    HugeTexts, WholeNumbers,
    ::testing::Values(nothing(std::string(100000, '9')), nothing("-" + std::string(100000, '9')),
                      same("0." + std::string(100000, '0') + "1", Locale::US, 0),
                      same(std::string(100000, '0') + "17", Locale::US, 17),
                      nothing("1e99999999999999999999999"),
                      same("1e-99999999999999999999999", Locale::US, 0),
                      same("-1e-400", Locale::US, 0)));

// --- Single precision -----------------------------------------------------------------------

struct SingleCase {
    std::string text;
    Locale locale;
    std::optional<float> value;
};

std::ostream& operator<<(std::ostream& out, const SingleCase& c) {
    return out << '"' << c.text.substr(0, 40) << "\" (" << nameOf(c.locale) << ')';
}

class SingleNumbers : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleNumbers, Read) {
    const SingleCase& c = GetParam();
    EXPECT_EQ(toSingle(c.text, settingsOf(c.locale)), c.value);
}

// 1.0000000596046448 lies just above the midpoint between 1 and the next float; read through a
// double it lands exactly on the midpoint and would round down to 1.
INSTANTIATE_TEST_SUITE_P(
    Table, SingleNumbers,
    ::testing::Values(
        SingleCase{"10.5", Locale::US, 10.5f}, SingleCase{"10,5", Locale::German, 10.5f},
        SingleCase{"10.5", Locale::German, none}, SingleCase{"10,5", Locale::UK, none},
        SingleCase{" -15 ", Locale::US, -15.0f}, SingleCase{"100", Locale::US, 100.0f},
        SingleCase{"0.1", Locale::UK, 0.1f},
        SingleCase{"1.0000000596046448", Locale::US, 1.00000012f},
        SingleCase{"3.4028235e38", Locale::US, FLT_MAX},
        SingleCase{"-3.4028235E+38", Locale::US, -FLT_MAX}, SingleCase{"3.5e38", Locale::US, none},
        SingleCase{"-1e39", Locale::US, none}, SingleCase{"1e-50", Locale::US, 0.0f},
        SingleCase{"1,4e-45", Locale::German, std::numeric_limits<float>::denorm_min()},
        SingleCase{std::string(100000, '9'), Locale::US, none}, SingleCase{"", Locale::US, none},
        SingleCase{"inf", Locale::US, none}, SingleCase{"NaN", Locale::US, none},
        SingleCase{"Infinity", Locale::US, none}));

TEST(SingleText, IsShortAndUsesTheRegionalSeparator) {
    struct Case {
        float value;
        Locale locale;
        const char* text;
    };
    const Case cases[] = {
        {4680.0f, Locale::US, "4680"},
        {10.5f, Locale::US, "10.5"},
        {10.5f, Locale::German, "10,5"},
        {-15.0f, Locale::UK, "-15"},
        {0.0f, Locale::US, "0"},
        {-0.0f, Locale::US, "0"},
        {0.1f, Locale::US, "0.1"},
        {-0.25f, Locale::German, "-0,25"},
        {100.0f, Locale::US, "100"},
        {1000000.0f, Locale::US, "1000000"},
        {123456.7f, Locale::US, "123456.7"},
        {16777216.0f, Locale::US, "16777216"},
        {0.00001f, Locale::German, "0,00001"},
        {100000000000000.0f, Locale::US, "100000000000000"},
        {1e15f, Locale::US, "1E+15"},
        {1.5e20f, Locale::German, "1,5E+20"},
        {-2.5e-6f, Locale::US, "-2.5E-6"},
        {FLT_MAX, Locale::US, "3.4028235E+38"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(singleText(c.value, settingsOf(c.locale)), c.text) << c.text;
    }
}

TEST(SingleText, ReadsBackToTheSameFloat) {
    std::mt19937 random(20070210);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::vector<float> values = {FLT_MIN,
                                 FLT_MAX,
                                 -FLT_MAX,
                                 FLT_EPSILON,
                                 1.0f / 3.0f,
                                 0.1f,
                                 1e-5f,
                                 9.9999e-6f,
                                 1e15f,
                                 999999999999999.0f,
                                 std::numeric_limits<float>::denorm_min()};
    while (values.size() < 20000) {
        const float value = std::bit_cast<float>(bits(random));
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (const Locale locale : kAllLocales) {
        const RegionalSettings regional = settingsOf(locale);
        for (const float value : values) {
            const std::string text = singleText(value, regional);
            const auto back = toSingle(text, regional);
            ASSERT_TRUE(back.has_value()) << text << " (" << nameOf(locale) << ')';
            ASSERT_EQ(*back, value) << text << " (" << nameOf(locale) << ')';
        }
    }
}

TEST(SingleText, NonFiniteValuesHaveNoReading) {
    const RegionalSettings us = RegionalSettings::usEnglish();
    for (const float value :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity()}) {
        const std::string text = singleText(value, us);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(toSingle(text, us), std::nullopt) << text;
    }
}

// --- Booleans -------------------------------------------------------------------------------

struct BooleanCase {
    std::string text;
    Locale locale;
    std::optional<bool> value;
};

std::ostream& operator<<(std::ostream& out, const BooleanCase& c) {
    return out << '"' << c.text << "\" (" << nameOf(c.locale) << ')';
}

class Booleans : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(Booleans, Read) {
    const BooleanCase& c = GetParam();
    EXPECT_EQ(toBoolean(c.text, settingsOf(c.locale)), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Booleans,
    ::testing::Values(
        BooleanCase{"True", Locale::US, true}, BooleanCase{"False", Locale::US, false},
        BooleanCase{"true", Locale::German, true}, BooleanCase{"FALSE", Locale::UK, false},
        BooleanCase{"tRuE", Locale::US, true}, BooleanCase{" True ", Locale::US, true},
        BooleanCase{"1", Locale::US, true}, BooleanCase{"-1", Locale::US, true},
        BooleanCase{"0", Locale::US, false}, BooleanCase{"-0", Locale::US, false},
        BooleanCase{"0.0", Locale::US, false}, BooleanCase{"0,0", Locale::German, false},
        BooleanCase{"0.0", Locale::German, none}, BooleanCase{"2.5", Locale::UK, true},
        BooleanCase{"0.4", Locale::US, true}, BooleanCase{"1e-999", Locale::US, false},
        BooleanCase{"", Locale::US, none}, BooleanCase{"yes", Locale::US, none},
        BooleanCase{"T", Locale::US, none}, BooleanCase{"Truee", Locale::US, none},
        BooleanCase{"True1", Locale::US, none}, BooleanCase{"Wahr", Locale::German, none}));

TEST(BooleanText, ReadsBackUnderEveryLocale) {
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    for (const Locale locale : kAllLocales) {
        for (const bool value : {true, false}) {
            EXPECT_EQ(toBoolean(booleanText(value), settingsOf(locale)), value);
        }
    }
}

// --- Rounding and integer texts -------------------------------------------------------------

TEST(RoundHalfEven, RoundsTiesToTheEvenNeighbour) {
    struct Case {
        double value;
        double rounded;
    };
    const Case cases[] = {
        {0.5, 0.0},
        {1.5, 2.0},
        {2.5, 2.0},
        {-0.5, 0.0},
        {-1.5, -2.0},
        {-2.5, -2.0},
        {2.4999999999999996, 2.0},
        {0.49999999999999994, 0.0}, // floor(x + 0.5) gets this one wrong
        {-0.49999999999999994, 0.0},
        {4503599627370497.0, 4503599627370497.0},
        {4503599627370495.5, 4503599627370496.0},
        {1e300, 1e300},
        {-7.0, -7.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
    }
    EXPECT_TRUE(std::isinf(roundHalfEven(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

TEST(IntegerText, WritesPlainDecimalsThatReadBack) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-12), "-12");
    EXPECT_EQ(integerText(255), "255");
    EXPECT_EQ(integerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    for (const Locale locale : kAllLocales) {
        const RegionalSettings regional = settingsOf(locale);
        for (const std::int32_t value : {std::numeric_limits<std::int32_t>::min(), -1, 0, 16777215,
                                         std::numeric_limits<std::int32_t>::max()}) {
            EXPECT_EQ(toInt32(integerText(value), regional), value);
        }
    }
}

// --- Dates ----------------------------------------------------------------------------------

TEST(ToDate, ReadsAsTheDateTextReaderDoes) {
    const char* texts[] = {"12/25/2026", "25.12.2026", "2026-12-25", "3:45:00 PM", "0", "", "x"};
    for (const Locale locale : kAllLocales) {
        const RegionalSettings regional = settingsOf(locale);
        for (const char* text : texts) {
            EXPECT_EQ(toDate(text, regional), readDateText(text, regional)) << text;
        }
        EXPECT_TRUE(toDate("2026-12-25", regional).has_value());
        EXPECT_FALSE(toDate("0", regional).has_value());
    }
}

} // namespace
} // namespace tavrio
