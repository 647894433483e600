#include "DateText.h"

#include "EarlierStoredForm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>
#include <string_view>

namespace tavrio {
namespace {

using namespace std::chrono;
using namespace std::string_view_literals;

DateValue at(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue(year{y} / mo / d, hours{h} + minutes{mi} + seconds{s}).value();
}

DateValue timeOfDay(int h, int mi, int s = 0) {
    return at(1899, 12, 30, h, mi, s);
}

const RegionalSettings kUs = RegionalSettings::usEnglish();
const RegionalSettings kUk = RegionalSettings::ukEnglish();
const RegionalSettings kDe = RegionalSettings::german();

// Year first, 24-hour, with designators that are words.
RegionalSettings yearFirstSettings() {
    RegionalSettings settings;
    settings.dateOrder = DateOrder::YearMonthDay;
    settings.dateSeparator = "-";
    settings.dayLeadingZero = true;
    settings.monthLeadingZero = true;
    settings.twelveHourClock = false;
    settings.hourLeadingZero = true;
    settings.amDesignator = "vorm.";
    settings.pmDesignator = "nachm.";
    return settings;
}

// A 12-hour clock whose designators the user left empty.
RegionalSettings noDesignatorSettings() {
    RegionalSettings settings;
    settings.hourLeadingZero = true;
    settings.amDesignator.clear();
    settings.pmDesignator.clear();
    return settings;
}

// The same separator between the parts of dates and of times.
RegionalSettings dottedTimeSettings() {
    RegionalSettings settings = RegionalSettings::german();
    settings.timeSeparator = ".";
    settings.hourLeadingZero = false;
    return settings;
}

const RegionalSettings kYearFirst = yearFirstSettings();
const RegionalSettings kNoDesignator = noDesignatorSettings();
const RegionalSettings kDottedTime = dottedTimeSettings();

using Writer = std::string (*)(DateValue, const RegionalSettings&);

constexpr Writer kStored = [](DateValue value, const RegionalSettings&) {
    return storedDateText(value);
};
constexpr Writer kEarlier = &test::earlierStoredDateText;
constexpr Writer kEntry = &entryDateText;
constexpr Writer kPick = &calendarPickText;
constexpr Writer kEntryTime = [](DateValue value, const RegionalSettings& regional) {
    return entryTimeText(value, regional);
};

struct WriteCase {
    std::string name;
    Writer write;
    const RegionalSettings* regional;
    DateValue value;
    std::string expected;
};

class WrittenForm : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WrittenForm, IsTheExpectedText) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(c.write(c.value, *c.regional), c.expected);
}

// The same under every locale: US settings and settings whose dates and times share a separator.
INSTANTIATE_TEST_SUITE_P(
    Stored, WrittenForm,
    ::testing::Values(
        WriteCase{"Date", kStored, &kUs, at(2027, 3, 4), "2027-03-04"},
        WriteCase{"DateUnderDottedTime", kStored, &kDottedTime, at(2027, 3, 4), "2027-03-04"},
        WriteCase{"Time", kStored, &kUs, timeOfDay(9, 5), "09:05:00"},
        WriteCase{"TimeUnderDottedTime", kStored, &kDottedTime, timeOfDay(9, 5), "09:05:00"},
        WriteCase{"DateAndTime", kStored, &kUs, at(2027, 3, 4, 9, 5), "2027-03-04 09:05:00"},
        WriteCase{"Zero", kStored, &kUs, 0.0, "00:00:00"},
        WriteCase{"Noon", kStored, &kUs, 0.5, "12:00:00"},
        WriteCase{"LastSecondOfDayZero", kStored, &kUs, timeOfDay(23, 59, 59), "23:59:59"},
        WriteCase{"BeforeZeroDay", kStored, &kUs, -1.25, "1899-12-29 06:00:00"},
        WriteCase{"FirstDay", kStored, &kUs, at(100, 1, 1), "0100-01-01"},
        WriteCase{"LastSecond", kStored, &kUs, at(9999, 12, 31, 23, 59, 59),
                  "9999-12-31 23:59:59"}),
    [](const auto& info) { return info.param.name; });

// As earlier versions stored the target, under the locale of the time.
INSTANTIATE_TEST_SUITE_P(
    Earlier, WrittenForm,
    ::testing::Values(
        WriteCase{"UsDate", kEarlier, &kUs, at(2026, 12, 25), "12/25/2026"},
        WriteCase{"UsTime", kEarlier, &kUs, timeOfDay(15, 45), "3:45:00 PM"},
        WriteCase{"UsDateAndTime", kEarlier, &kUs, 39123.75, "2/10/2007 6:00:00 PM"},
        WriteCase{"UsZero", kEarlier, &kUs, 0.0, "12:00:00 AM"},
        WriteCase{"UsNoon", kEarlier, &kUs, 0.5, "12:00:00 PM"},
        WriteCase{"UsFirstSecond", kEarlier, &kUs, timeOfDay(0, 0, 1), "12:00:01 AM"},
        WriteCase{"UsBeforeZeroDay", kEarlier, &kUs, -1.25, "12/29/1899 6:00:00 AM"},
        WriteCase{"UsFirstDay", kEarlier, &kUs, at(100, 1, 1), "1/1/0100"},
        WriteCase{"UsLastSecond", kEarlier, &kUs, at(9999, 12, 31, 23, 59, 59),
                  "12/31/9999 11:59:59 PM"},
        WriteCase{"UkDate", kEarlier, &kUk, at(2026, 12, 25), "25/12/2026"},
        WriteCase{"UkTime", kEarlier, &kUk, timeOfDay(15, 45), "15:45:00"},
        WriteCase{"UkDateAndTime", kEarlier, &kUk, 39123.75, "10/02/2007 18:00:00"},
        WriteCase{"UkZero", kEarlier, &kUk, 0.0, "00:00:00"},
        WriteCase{"UkBeforeZeroDay", kEarlier, &kUk, -1.25, "29/12/1899 06:00:00"},
        WriteCase{"DeDate", kEarlier, &kDe, at(2026, 12, 25), "25.12.2026"},
        WriteCase{"DeDateAndTime", kEarlier, &kDe, at(2007, 2, 10, 7, 5, 9), "10.02.2007 07:05:09"},
        WriteCase{"DeZero", kEarlier, &kDe, 0.0, "00:00:00"},
        WriteCase{"YearFirst", kEarlier, &kYearFirst, 39123.75, "2007-02-10 18:00:00"},
        WriteCase{"EmptyDesignatorsFallBack", kEarlier, &kNoDesignator, 39123.75,
                  "2/10/2007 06:00:00 PM"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    DateBox, WrittenForm,
    ::testing::Values(WriteCase{"UsEntry", kEntry, &kUs, 39123.75, "02/10/2007"},
                      WriteCase{"UkEntry", kEntry, &kUk, 39123.75, "10/02/2007"},
                      WriteCase{"DeEntry", kEntry, &kDe, 39123.75, "10.02.2007"},
                      WriteCase{"UsEntryZeroDay", kEntry, &kUs, 0.0, "12/30/1899"},
                      WriteCase{"UsEntryFirstDay", kEntry, &kUs, at(100, 1, 1), "01/01/0100"},
                      WriteCase{"YearFirstEntry", kEntry, &kYearFirst, 39123.75, "2007-02-10"},
                      WriteCase{"UsPick", kPick, &kUs, 39123.75, "2/10/2007"},
                      WriteCase{"UsPickDecember", kPick, &kUs, at(2008, 12, 25), "12/25/2008"},
                      WriteCase{"UkPick", kPick, &kUk, 39123.75, "10/2/2007"},
                      WriteCase{"DePick", kPick, &kDe, 39123.75, "10.2.2007"},
                      WriteCase{"YearFirstPick", kPick, &kYearFirst, 39123.75, "2007-2-10"},
                      WriteCase{"PickBeforeZeroDay", kPick, &kUs, -1.25, "12/29/1899"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    TimeBox, WrittenForm,
    ::testing::Values(
        WriteCase{"Evening", kEntryTime, &kUs, timeOfDay(19, 23, 45), "07:23 PM"},
        WriteCase{"Midnight", kEntryTime, &kUs, 0.0, "12:00 AM"},
        WriteCase{"LastMorningMinute", kEntryTime, &kUs, timeOfDay(11, 59, 59), "11:59 AM"},
        WriteCase{"Noon", kEntryTime, &kUs, timeOfDay(12, 0), "12:00 PM"},
        WriteCase{"HalfPastNoon", kEntryTime, &kUs, timeOfDay(12, 30), "12:30 PM"},
        WriteCase{"LastMinute", kEntryTime, &kUs, timeOfDay(23, 59, 59), "11:59 PM"},
        WriteCase{"DayIsIgnored", kEntryTime, &kUs, 39123.75, "06:00 PM"},
        WriteCase{"BeforeZeroDay", kEntryTime, &kUs, -1.25, "06:00 AM"},
        WriteCase{"UkDesignator", kEntryTime, &kUk, timeOfDay(19, 23), "07:23 pm"},
        WriteCase{"DeTwelveHourAnyway", kEntryTime, &kDe, timeOfDay(7, 5), "07:05 AM"},
        WriteCase{"EmptyDesignatorsFallBack", kEntryTime, &kNoDesignator, timeOfDay(19, 23),
                  "07:23 PM"},
        WriteCase{"DottedTime", kEntryTime, &kDottedTime, timeOfDay(19, 23), "07.23 PM"}),
    [](const auto& info) { return info.param.name; });

TEST(WriteDateText, UnconvertibleValuesAreWrittenAsEmptyText) {
    for (const DateValue value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -657435.0, 2958466.0, 1e15}) {
        for (const Writer write : {kStored, kEntry, kPick, kEntryTime}) {
            EXPECT_EQ(write(value, kUs), "") << value;
        }
    }
}

struct ReadCase {
    std::string name;
    const RegionalSettings* regional;
    std::string_view text;
    DateValue expected;
};

class ReadableText : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadableText, ReadsAsTheExpectedValue) {
    const ReadCase& c = GetParam();
    const auto value = readDateText(c.text, *c.regional);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ReadableText,
    ::testing::Values(ReadCase{"UsDate", &kUs, "12/25/2026", at(2026, 12, 25)},
                      ReadCase{"UsShortNumbers", &kUs, "2/10/2007", at(2007, 2, 10)},
                      ReadCase{"UsMonthFirstWins", &kUs, "02/10/2007", at(2007, 2, 10)},
                      ReadCase{"UsDashes", &kUs, "2-10-2007", at(2007, 2, 10)},
                      ReadCase{"UsDots", &kUs, "2.10.2007", at(2007, 2, 10)},
                      ReadCase{"UsIso", &kUs, "2007-02-10", at(2007, 2, 10)},
                      ReadCase{"UsIsoWithSlashes", &kUs, "2007/2/10", at(2007, 2, 10)},
                      ReadCase{"UsPaddedYear", &kUs, "1/1/0100", at(100, 1, 1)},
                      ReadCase{"UsLastDay", &kUs, "12/31/9999", at(9999, 12, 31)},
                      ReadCase{"UsLeapDay2000", &kUs, "2/29/2000", at(2000, 2, 29)},
                      ReadCase{"UsLeapDay2004", &kUs, "2/29/2004", at(2004, 2, 29)},
                      ReadCase{"UsZeroDay", &kUs, "12/30/1899", 0.0},
                      ReadCase{"UsBlanksAround", &kUs, "  \t2/10/2007 \t ", at(2007, 2, 10)},
                      ReadCase{"UkDayFirstWins", &kUk, "02/10/2007", at(2007, 10, 2)},
                      ReadCase{"UkDate", &kUk, "10/02/2007", at(2007, 2, 10)},
                      ReadCase{"UkDots", &kUk, "25.12.2026", at(2026, 12, 25)},
                      ReadCase{"UkIso", &kUk, "2007-02-10", at(2007, 2, 10)},
                      ReadCase{"DeDate", &kDe, "10.02.2007", at(2007, 2, 10)},
                      ReadCase{"DeSlashes", &kDe, "10/02/2007", at(2007, 2, 10)},
                      ReadCase{"DeIso", &kDe, "2007-02-10", at(2007, 2, 10)},
                      ReadCase{"YearFirstIso", &kYearFirst, "2007-2-10", at(2007, 2, 10)},
                      ReadCase{"StoredUnderDottedTime", &kDottedTime, "2027-03-04",
                               at(2027, 3, 4)}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Times, ReadableText,
    ::testing::Values(
        ReadCase{"UsLongTime", &kUs, "3:45:00 PM", timeOfDay(15, 45)},
        ReadCase{"UsNoSeconds", &kUs, "3:45 PM", timeOfDay(15, 45)},
        ReadCase{"UsLowerCase", &kUs, "3:45 pm", timeOfDay(15, 45)},
        ReadCase{"UsMixedCase", &kUs, "3:45 pM", timeOfDay(15, 45)},
        ReadCase{"UsNoBlankBeforeDesignator", &kUs, "3:45PM", timeOfDay(15, 45)},
        ReadCase{"UsHourAlone", &kUs, "7 PM", timeOfDay(19, 0)},
        ReadCase{"UsHourAloneNoBlank", &kUs, "7am", timeOfDay(7, 0)},
        ReadCase{"UsMidnight", &kUs, "12:00 AM", 0.0},
        ReadCase{"UsMidnightHourAlone", &kUs, "12 AM", 0.0},
        ReadCase{"UsHalfPastMidnight", &kUs, "12:30:15 AM", timeOfDay(0, 30, 15)},
        ReadCase{"UsNoon", &kUs, "12:00:00 PM", 0.5},
        ReadCase{"UsHalfPastNoon", &kUs, "12:30 PM", timeOfDay(12, 30)},
        ReadCase{"UsEntryTime", &kUs, "07:23 PM", timeOfDay(19, 23)},
        ReadCase{"UsTwentyFourHour", &kUs, "18:00", 0.75},
        ReadCase{"UsZeroHour", &kUs, "0:00", 0.0},
        ReadCase{"UsLastSecond", &kUs, "23:59:59", timeOfDay(23, 59, 59)},
        ReadCase{"UsSingleDigits", &kUs, "7:5:9", timeOfDay(7, 5, 9)},
        ReadCase{"UkTime", &kUk, "18:00:00", 0.75},
        ReadCase{"UkOwnDesignator", &kUk, "6:00 pm", 0.75},
        ReadCase{"UkEnglishDesignator", &kUk, "6:00 PM", 0.75},
        ReadCase{"DeTime", &kDe, "07:05", timeOfDay(7, 5)},
        ReadCase{"DeTwelveHour", &kDe, "7 PM", timeOfDay(19, 0)},
        ReadCase{"WordDesignator", &kYearFirst, "7:30 nachm.", timeOfDay(19, 30)},
        ReadCase{"WordDesignatorUpperCase", &kYearFirst, "7:30NACHM.", timeOfDay(19, 30)},
        ReadCase{"WordLocaleStillReadsEnglish", &kYearFirst, "7:30 PM", timeOfDay(19, 30)},
        ReadCase{"DottedTime", &kDottedTime, "13.45", timeOfDay(13, 45)},
        ReadCase{"DottedTimeThatIsNoDate", &kDottedTime, "13.45.10", timeOfDay(13, 45, 10)},
        ReadCase{"DottedTimeColonToo", &kDottedTime, "13:45", timeOfDay(13, 45)},
        // A date's year has four digits: these look like dates, but are the times they were
        // written as.
        ReadCase{"DottedTimeLikeADate", &kDottedTime, "9.05.00", timeOfDay(9, 5)},
        ReadCase{"DottedTimeLikeADayFirstDate", &kDottedTime, "1.02.03", timeOfDay(1, 2, 3)},
        ReadCase{"DottedTimeLikeTheLastDay", &kDottedTime, "12.12.00", timeOfDay(12, 12)},
        ReadCase{"StoredTimeUnderDottedTime", &kDottedTime, "09:05:00", timeOfDay(9, 5)}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    DatesWithTimes, ReadableText,
    ::testing::Values(
        ReadCase{"UsGeneral", &kUs, "2/10/2007 6:00:00 PM", 39123.75},
        ReadCase{"UsTwentyFourHour", &kUs, "2/10/2007 18:00", 39123.75},
        ReadCase{"UsManyBlanks", &kUs, " 2/10/2007   6 pm ", 39123.75},
        ReadCase{"UsIsoWithT", &kUs, "2007-02-10T18:00:00", 39123.75},
        ReadCase{"UsIsoWithLowerT", &kUs, "2007-02-10t18:00", 39123.75},
        ReadCase{"UsIsoWithBlank", &kUs, "2007-02-10 18:00", 39123.75},
        ReadCase{"UsBeforeZeroDay", &kUs, "12/29/1899 6:00:00 AM", -1.25},
        ReadCase{"UsZeroDayWithTime", &kUs, "12/30/1899 6:00 AM", 0.25},
        ReadCase{"UsLastSecond", &kUs, "12/31/9999 11:59:59 PM", at(9999, 12, 31, 23, 59, 59)},
        ReadCase{"UkGeneral", &kUk, "10/02/2007 18:00:00", 39123.75},
        ReadCase{"UkIsoWithT", &kUk, "2007-02-10T18:00:00", 39123.75},
        ReadCase{"DeGeneral", &kDe, "10.02.2007 18:00:00", 39123.75},
        ReadCase{"DeIsoWithT", &kDe, "2007-02-10T18:00", 39123.75},
        ReadCase{"DottedTime", &kDottedTime, "10.02.2007 18.00.00", 39123.75},
        ReadCase{"DottedTimeLikeADate", &kDottedTime, "4.3.2027 9.05.00", at(2027, 3, 4, 9, 5)},
        ReadCase{"StoredUnderDottedTime", &kDottedTime, "2027-03-04 09:05:00",
                 at(2027, 3, 4, 9, 5)}),
    [](const auto& info) { return info.param.name; });

struct RejectCase {
    std::string name;
    const RegionalSettings* regional;
    std::string_view text;
};

class UnreadableText : public ::testing::TestWithParam<RejectCase> {};

TEST_P(UnreadableText, HasNoValue) {
    EXPECT_EQ(readDateText(GetParam().text, *GetParam().regional), std::nullopt) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableText,
    ::testing::Values(
        RejectCase{"Empty", &kUs, ""}, RejectCase{"Blanks", &kUs, "   "},
        RejectCase{"Zero", &kUs, "0"}, RejectCase{"BareNumber", &kUs, "12"},
        RejectCase{"Decimal", &kUs, "39123.75"}, RejectCase{"Letters", &kUs, "tomorrow"},
        RejectCase{"PartialDate", &kUs, "2/10"},
        RejectCase{"PartialDateWithSeparator", &kUs, "2/10/"},
        RejectCase{"MixedSeparators", &kUs, "2/10-2007"},
        RejectCase{"BlankInsideDate", &kUs, "2/ 10/2007"},
        RejectCase{"SignedNumber", &kUs, "-2/10/2007"},
        RejectCase{"TrailingGarbage", &kUs, "2/10/2007x"},
        RejectCase{"TrailingWord", &kUs, "2/10/2007 x"},
        RejectCase{"CommaBeforeTime", &kUs, "2/10/2007,18:00"},
        RejectCase{"NoSuchMonthOrDay", &kUs, "13/45/2007"},
        RejectCase{"UsMonth13", &kUs, "13/12/2007"}, RejectCase{"UkMonth13", &kUk, "12/13/2007"},
        RejectCase{"MonthZero", &kUs, "0/10/2007"}, RejectCase{"DayZero", &kUs, "2/0/2007"},
        RejectCase{"February30th", &kUs, "2/30/2007"},
        RejectCase{"February29thOfCommonYear", &kUs, "2/29/2007"},
        RejectCase{"February29th1900", &kUs, "2/29/1900"},
        RejectCase{"YearBeforeRange", &kUs, "12/31/0099"},
        RejectCase{"YearAfterRange", &kUs, "1/1/10000"},
        RejectCase{"ThreeDigitMonth", &kUs, "002/10/2007"},
        RejectCase{"ThreeDigitDay", &kDe, "010.02.2007"},
        RejectCase{"FiveDigitYear", &kUs, "2/10/02007"},
        // Years on their way to four digits.
        RejectCase{"OneDigitYear", &kUs, "2/29/2"}, RejectCase{"TwoDigitYear", &kUs, "2/29/20"},
        RejectCase{"ThreeDigitYear", &kUs, "2/29/202"},
        RejectCase{"ThreeDigitYearFirst", &kUs, "202-2-10"},
        RejectCase{"DeTwoDigitYear", &kDe, "29.02.20"},
        RejectCase{"YearFirstTwoDigitYear", &kYearFirst, "07/02/10"},
        RejectCase{"FirstNumberAbove31", &kUs, "99/12/31"},
        RejectCase{"NumberTooLongToHold", &kUs, "99999999999999999999/1/1"},
        RejectCase{"TInNonIsoDate", &kUs, "2/10/2007T18:00"},
        RejectCase{"BlankAfterT", &kUs, "2007-02-10T 18:00"},
        RejectCase{"TAfterBlank", &kUs, "2007-02-10 T18:00"},
        RejectCase{"TWithoutTime", &kUs, "2007-02-10T"},
        RejectCase{"TimeZone", &kUs, "2007-02-10T18:00Z"}, RejectCase{"Hour24", &kUs, "24:00"},
        RejectCase{"Minute60", &kUs, "12:60"}, RejectCase{"Second60", &kUs, "12:00:60"},
        RejectCase{"ThreeDigitHour", &kUs, "007:00"}, RejectCase{"ThreeDigitMinute", &kUs, "7:300"},
        RejectCase{"MissingSeconds", &kUs, "7:30:"}, RejectCase{"MissingHour", &kUs, ":30"},
        RejectCase{"FourParts", &kUs, "7:30:00:00"},
        RejectCase{"Hour13WithDesignator", &kUs, "13:00 PM"},
        RejectCase{"Hour0WithDesignator", &kUs, "0:30 AM"},
        RejectCase{"UnknownDesignator", &kUs, "7:30 XM"},
        RejectCase{"HalfDesignator", &kUs, "7:30 P"},
        RejectCase{"DesignatorTwice", &kUs, "7:30 PM PM"},
        RejectCase{"DesignatorAlone", &kUs, "PM"},
        RejectCase{"OtherLocalesDesignator", &kUs, "7:30 nachm."},
        RejectCase{"TimeThenDate", &kUs, "6:00 PM 2/10/2007"},
        RejectCase{"BadTimeAfterDate", &kUs, "2/10/2007 25:00"},
        RejectCase{"DottedTimeOutsideTheLocale", &kUs, "13.45"},
        RejectCase{"NulAtEnd", &kUs, "2/10/2007\0"sv},
        RejectCase{"NulInside", &kUs, "2/10\0/2007"sv},
        RejectCase{"NulBeforeDesignator", &kUs, "7:30\0PM"sv}),
    [](const auto& info) { return info.param.name; });

// A quadratic reader would take minutes on these.
TEST(ReadDateText, LongTextsAreReadInOnePass) {
    constexpr std::size_t kLength = 4'000'000;
    const std::string blanks(kLength, ' ');
    EXPECT_EQ(readDateText(blanks + "2/10/2007" + blanks + "6 PM" + blanks, kUs), 39123.75);
    EXPECT_EQ(readDateText(std::string(kLength, '9'), kUs), std::nullopt);
    EXPECT_EQ(readDateText("2/10/" + std::string(kLength, '0'), kUs), std::nullopt);
    EXPECT_EQ(readDateText("2/10/2007 " + blanks + 'x', kUs), std::nullopt);
    EXPECT_EQ(readDateText("7:30 " + std::string(kLength, 'P'), kUs), std::nullopt);
    std::string separators;
    for (std::size_t i = 0; i < kLength / 2; ++i) {
        separators += "1/";
    }
    EXPECT_EQ(readDateText(separators, kUs), std::nullopt);
}

} // namespace
} // namespace tavrio
