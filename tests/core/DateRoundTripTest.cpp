#include "DateText.h"
#include "EarlierStoredForm.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace tavrio {
namespace {

using namespace std::chrono;

struct Locale {
    const char* name;
    RegionalSettings regional;
};

RegionalSettings yearFirstSettings() {
    RegionalSettings settings;
    settings.dateOrder = DateOrder::YearMonthDay;
    settings.dateSeparator = "-";
    settings.twelveHourClock = false;
    settings.hourLeadingZero = true;
    return settings;
}

const std::array<Locale, 4> kLocales = {
    Locale{"US", RegionalSettings::usEnglish()}, Locale{"UK", RegionalSettings::ukEnglish()},
    Locale{"DE", RegionalSettings::german()}, Locale{"YearFirst", yearFirstSettings()}};

const std::int64_t kFirstDay = dayNumber(toDateValue(100y / January / 1).value());
const std::int64_t kLastDay = dayNumber(toDateValue(9999y / December / 31).value());

// Counts the texts that do not read back and reports only the first few: millions of passing
// assertions would cost more than the conversions under test.
class ReadBack {
public:
    explicit ReadBack(const Locale& locale)
        : locale_(locale) {}

    void expect(const char* form, const std::string& text, DateValue expected) {
        const auto value = readDateText(text, locale_.regional);
        if (value == expected) {
            return;
        }
        if (++failures_ <= kReported) {
            ADD_FAILURE() << locale_.name << ' ' << form << " text \"" << text
                          << "\" should read back as " << expected;
        }
    }

    int failures() const { return failures_; }

private:
    static constexpr int kReported = 10;
    const Locale& locale_;
    int failures_ = 0;
};

TEST(DateRoundTrip, EveryDayInEveryDateForm) {
    ASSERT_EQ(kFirstDay, -657434);
    ASSERT_EQ(kLastDay, 2958465);
    for (const Locale& locale : kLocales) {
        ReadBack readBack(locale);
        for (std::int64_t day = kFirstDay; day <= kLastDay && readBack.failures() == 0; ++day) {
            const DateValue value = dateValueOf(day, 0);
            readBack.expect("stored", storedDateText(value), value);
            readBack.expect("earlier stored", test::earlierStoredDateText(value, locale.regional),
                            value);
            readBack.expect("entry", entryDateText(value, locale.regional), value);
            readBack.expect("calendar pick", calendarPickText(value, locale.regional), value);
        }
        EXPECT_EQ(readBack.failures(), 0) << locale.name;
    }
}

TEST(DateRoundTrip, EveryMinuteInTheEntryTimeForm) {
    for (const Locale& locale : kLocales) {
        ReadBack readBack(locale);
        for (std::int64_t minute = 0; minute < 24 * 60; ++minute) {
            // The seconds are dropped on the way.
            const DateValue value = dateValueOf(0, minute * 60 + minute % 60);
            readBack.expect("entry time", entryTimeText(value, locale.regional),
                            dateValueOf(0, minute * 60));
        }
        EXPECT_EQ(readBack.failures(), 0) << locale.name;
    }
}

TEST(DateRoundTrip, EverySecondOfATimeAlone) {
    for (const Locale& locale : kLocales) {
        ReadBack readBack(locale);
        for (std::int64_t second = 0; second < kSecondsPerDay; ++second) {
            const DateValue value = dateValueOf(0, second);
            readBack.expect("stored", storedDateText(value), value);
            readBack.expect("earlier stored", test::earlierStoredDateText(value, locale.regional),
                            value);
        }
        EXPECT_EQ(readBack.failures(), 0) << locale.name;
    }
}

TEST(DateRoundTrip, DatesWithTimesAcrossTheRange) {
    constexpr std::int64_t kDayStep = 97;
    constexpr std::int64_t kSecondStep = 7919; // prime, so the seconds walk the whole day
    for (const Locale& locale : kLocales) {
        ReadBack readBack(locale);
        std::int64_t second = 0;
        for (std::int64_t day = kFirstDay; day <= kLastDay; day += kDayStep) {
            second = (second + kSecondStep) % kSecondsPerDay;
            const DateValue value = dateValueOf(day, second);
            readBack.expect("stored", storedDateText(value), value);
            readBack.expect("earlier stored", test::earlierStoredDateText(value, locale.regional),
                            value);
        }
        const DateValue last = dateValueOf(kLastDay, kSecondsPerDay - 1);
        readBack.expect("stored", storedDateText(last), last);
        readBack.expect("earlier stored", test::earlierStoredDateText(last, locale.regional), last);
        const DateValue first = dateValueOf(kFirstDay, kSecondsPerDay - 1);
        readBack.expect("stored", storedDateText(first), first);
        readBack.expect("earlier stored", test::earlierStoredDateText(first, locale.regional),
                        first);
        EXPECT_EQ(readBack.failures(), 0) << locale.name;
    }
}

} // namespace
} // namespace tavrio
