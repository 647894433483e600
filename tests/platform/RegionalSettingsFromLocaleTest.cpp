#include "RegionalSettingsFromLocale.h"

#include "Conversions.h"
#include "DateText.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

namespace tavrio {
namespace {

using namespace std::chrono;

// --- Installed locales ----------------------------------------------------------------------

TEST(RegionalSettingsFrom, AgreesWithTheCorePresets) {
    struct Case {
        const char* locale;
        RegionalSettings preset;
    };
    const Case cases[] = {
        {"en_US", RegionalSettings::usEnglish()},
        {"en_GB", RegionalSettings::ukEnglish()},
        {"de_DE", RegionalSettings::german()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const RegionalSettings regional =
            regionalSettingsFrom(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(regional.dateOrder, c.preset.dateOrder);
        EXPECT_EQ(regional.dateSeparator, c.preset.dateSeparator);
        EXPECT_EQ(regional.timeSeparator, c.preset.timeSeparator);
        EXPECT_EQ(regional.twelveHourClock, c.preset.twelveHourClock);
        EXPECT_EQ(regional.decimalSeparator, c.preset.decimalSeparator);
    }
}

DateValue at(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue(year{y} / mo / d, hours{h} + minutes{mi} + seconds{s}).value();
}

// Whatever a locale's formats make of the settings, what Tavrio writes under them must read
// back under them.
void expectRoundTrips(const QLocale& locale) {
    SCOPED_TRACE(locale.name().toStdString());
    const RegionalSettings regional = regionalSettingsFrom(locale);
    for (const DateValue value : {at(2026, 12, 25), at(1899, 12, 30, 15, 45), at(2007, 2, 10, 18),
                                  at(2001, 1, 2, 0, 0, 1), 0.0}) {
        const std::string text = generalDateText(value, regional);
        EXPECT_EQ(readDateText(text, regional), value) << text;
    }
    for (const float value : {10.5f, -0.25f, 4680.0f}) {
        const std::string text = singleText(value, regional);
        EXPECT_EQ(toSingle(text, regional), value) << text;
    }
}

TEST(RegionalSettingsFrom, TheCLocaleRoundTrips) {
    expectRoundTrips(QLocale::c());
}

TEST(RegionalSettingsFrom, EveryInstalledLocaleRoundTrips) {
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        expectRoundTrips(locale);
    }
}

// --- Format strings -------------------------------------------------------------------------

struct DateFormatCase {
    const char* format;
    DateOrder order;
    const char* separator;
    bool dayLeadingZero;
    bool monthLeadingZero;
};

std::ostream& operator<<(std::ostream& out, const DateFormatCase& c) {
    return out << '"' << c.format << '"';
}

class ShortDateFormat : public ::testing::TestWithParam<DateFormatCase> {};

TEST_P(ShortDateFormat, GivesOrderSeparatorAndLeadingZeros) {
    const DateFormatCase& c = GetParam();
    RegionalSettings regional = RegionalSettings::german();
    applyShortDateFormat(QString::fromUtf8(c.format), regional);
    EXPECT_EQ(regional.dateOrder, c.order);
    EXPECT_EQ(regional.dateSeparator, c.separator);
    EXPECT_EQ(regional.dayLeadingZero, c.dayLeadingZero);
    EXPECT_EQ(regional.monthLeadingZero, c.monthLeadingZero);
}

constexpr auto MDY = DateOrder::MonthDayYear;
constexpr auto DMY = DateOrder::DayMonthYear;
constexpr auto YMD = DateOrder::YearMonthDay;

INSTANTIATE_TEST_SUITE_P(
    Table, ShortDateFormat,
    ::testing::Values(DateFormatCase{"M/d/yy", MDY, "/", false, false},
                      DateFormatCase{"MM/dd/yyyy", MDY, "/", true, true},
                      DateFormatCase{"dd.MM.yy", DMY, ".", true, true},
                      DateFormatCase{"d-M-yyyy", DMY, "-", false, false},
                      DateFormatCase{"yyyy-MM-dd", YMD, "-", true, true},
                      DateFormatCase{"yy. M. d.", YMD, ".", false, false},
                      DateFormatCase{"d.MM.yy 'г'.", DMY, ".", false, true},
                      DateFormatCase{"dd'/'MM'/'yyyy", DMY, "/", true, true},
                      DateFormatCase{"dd''MM''yyyy", DMY, "'", true, true},
                      // Month names: the order shows, the blank cannot separate numbers.
                      DateFormatCase{"d MMM yyyy", DMY, "/", false, false},
                      DateFormatCase{"dddd, d MMMM yyyy", DMY, "/", false, false},
                      DateFormatCase{"MMMM d, yyyy", MDY, "/", false, false},
                      DateFormatCase{"d 'de' MMMM 'de' yyyy", DMY, "/", false, false},
                      DateFormatCase{"yyyy年M月d日", YMD, "/", false, false},
                      DateFormatCase{"yyyy/MM", YMD, "/", false, true},
                      DateFormatCase{"MMMM", MDY, "/", false, false},
                      DateFormatCase{"", MDY, "/", false, false}));

struct TimeFormatCase {
    const char* format;
    const char* separator;
    bool twelveHourClock;
    bool hourLeadingZero;
};

std::ostream& operator<<(std::ostream& out, const TimeFormatCase& c) {
    return out << '"' << c.format << '"';
}

class LongTimeFormat : public ::testing::TestWithParam<TimeFormatCase> {};

TEST_P(LongTimeFormat, GivesSeparatorClockAndLeadingZero) {
    const TimeFormatCase& c = GetParam();
    RegionalSettings regional = RegionalSettings::usEnglish();
    regional.timeSeparator = "#";
    applyLongTimeFormat(QString::fromUtf8(c.format), regional);
    EXPECT_EQ(regional.timeSeparator, c.separator);
    EXPECT_EQ(regional.twelveHourClock, c.twelveHourClock);
    EXPECT_EQ(regional.hourLeadingZero, c.hourLeadingZero);
}

INSTANTIATE_TEST_SUITE_P(Table, LongTimeFormat,
                         ::testing::Values(TimeFormatCase{"h:mm:ss AP t", ":", true, false},
                                           TimeFormatCase{"hh:mm:ss ap", ":", true, true},
                                           TimeFormatCase{"AP h:mm:ss", ":", true, false},
                                           TimeFormatCase{"a h:mm:ss", ":", true, false},
                                           TimeFormatCase{"HH:mm:ss t", ":", false, true},
                                           TimeFormatCase{"t HH:mm:ss", ":", false, true},
                                           TimeFormatCase{"H.mm.ss t", ".", false, false},
                                           TimeFormatCase{"H:mm:ss AP", ":", false, false},
                                           TimeFormatCase{"h:mm:ss", ":", false, false},
                                           TimeFormatCase{"HH 'h' mm 'min' ss 's'", ":", false,
                                                          true},
                                           TimeFormatCase{"H時mm分ss秒", ":", false, false},
                                           TimeFormatCase{"", ":", false, false}));

} // namespace
} // namespace tavrio
