#include "RegionalSettingsFromLocale.h"

#include "Conversions.h"
#include "DateText.h"
#include "EarlierStoredForm.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

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

DateValue timeOfDay(int h, int mi, int s = 0) {
    return at(1899, 12, 30, h, mi, s);
}

TEST(RegionalSettingsFrom, TheCLocaleTakesTheEntryFormsConventions) {
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        SCOPED_TRACE(name);
        const RegionalSettings regional = regionalSettingsFrom(QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(regional, RegionalSettings::usEnglish());
        EXPECT_EQ(entryDateText(at(2027, 3, 4), regional), "03/04/2027");
        EXPECT_EQ(calendarPickText(at(2027, 3, 4), regional), "3/4/2027");
        EXPECT_EQ(readDateText("3/4/2027 9:05 PM", regional), at(2027, 3, 4, 21, 5));
    }
}

// Every locale Qt knows, and C: each form the program writes into a box, and each form the target
// was ever stored in, reads back under that locale to the value it was written from. The times
// look like dates where a locale writes both with the same separator (9.05.00 under Finnish
// settings), and the days lie on both sides of the day/month ambiguity.
TEST(RegionalSettingsFrom, EveryLocaleReadsBackEveryFormItWrites) {
    const DateValue days[] = {at(2027, 3, 4), at(2027, 4, 3), at(2027, 12, 11), at(2027, 11, 12)};
    const DateValue times[] = {timeOfDay(1, 1), timeOfDay(9, 5), timeOfDay(12, 12),
                               timeOfDay(23, 5), 0.0};
    std::vector<DateValue> stored;
    for (const DateValue time : times) {
        stored.push_back(time);
        stored.push_back(dateValueOf(0, secondOfDay(time) + 59));
        for (const DateValue day : days) {
            stored.push_back(dateValueOf(dayNumber(day), secondOfDay(time)));
        }
    }
    QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    locales.append(QLocale::c());

    int failures = 0;
    const auto expect = [&](const QLocale& locale, const char* form, const std::string& text,
                            const RegionalSettings& regional, DateValue expected) {
        if (readDateText(text, regional) != expected && ++failures <= 20) {
            ADD_FAILURE() << locale.name().toStdString() << ' ' << form << " \"" << text
                          << "\" should read back as " << expected;
        }
    };
    for (const QLocale& locale : locales) {
        const RegionalSettings regional = regionalSettingsFrom(locale);
        for (const DateValue day : days) {
            expect(locale, "date box", entryDateText(day, regional), regional, day);
            expect(locale, "calendar pick", calendarPickText(day, regional), regional, day);
        }
        for (const DateValue time : times) {
            expect(locale, "time box", entryTimeText(time, regional), regional, time);
        }
        for (const DateValue value : stored) {
            expect(locale, "stored", storedDateText(value), regional, value);
            expect(locale, "earlier stored", test::earlierStoredDateText(value, regional), regional,
                   value);
        }
    }
    EXPECT_EQ(failures, 0);
    std::printf("%lld locales\n", static_cast<long long>(locales.size()));
}

TEST(RegionalSettingsFrom, EveryLocaleReadsBackItsNumbers) {
    QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    locales.append(QLocale::c());
    for (const QLocale& locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        const RegionalSettings regional = regionalSettingsFrom(locale);
        for (const float value : {10.5f, -0.25f, 4680.0f}) {
            const std::string text = singleText(value, regional);
            EXPECT_EQ(toSingle(text, regional), value) << text;
        }
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
