#include "TypedEntry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavrio {
namespace {

DateValue day(int year, unsigned month, unsigned dayOfMonth) {
    return toDateValue(std::chrono::year{year} / month / dayOfMonth).value();
}

DateValue timeOfDay(int hour, int minute, int second = 0) {
    return dateValueOf(0, hour * 3600 + minute * 60 + second);
}

// One step of the user or of the program at the box, with what is in force after it.
struct Step {
    enum Kind {
        Begin, // the user begins a new text: `value` is in force
        Type,  // the box's text becomes `text`, by the user's hand
        Fill,  // the program puts `text` into the box
    } kind;
    const char* text;
    DateValue value;
    bool read = false;
    bool changed = false;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

class TypedEntryTest : public ::testing::TestWithParam<Case> {};

TEST_P(TypedEntryTest, KeepsTheLastValueThatReadSinceTheTextBegan) {
    TypedEntry entry;
    const RegionalSettings regional = RegionalSettings::usEnglish();
    for (const Step& step : GetParam().steps) {
        if (step.kind == Step::Begin) {
            entry.begin(step.value);
            continue;
        }
        if (step.kind == Step::Fill) {
            entry.startProgramText();
        }
        const TypedEntry::Outcome outcome = entry.take(step.text, regional);
        if (step.kind == Step::Fill) {
            entry.endProgramText(outcome.value);
        }
        EXPECT_EQ(outcome.value, step.value) << step.text;
        EXPECT_EQ(outcome.read, step.read) << step.text;
        EXPECT_EQ(entry.changed(), step.changed) << step.text;
    }
}

const DateValue kBefore = day(2007, 2, 10);
const DateValue kChristmas = day(2007, 12, 25);

INSTANTIATE_TEST_SUITE_P(
    Table, TypedEntryTest,
    ::testing::Values(
        Case{"ATextThatReadsTakesEffect",
             {{Step::Begin, "", kBefore}, {Step::Type, "12/25/2007", kChristmas, true, true}}},
        Case{"NotAReadingOnTheWay",
             {{Step::Begin, "", kBefore},
              {Step::Type, "2/29/2024", day(2024, 2, 29), true, true},
              {Step::Type, "2/29/202", kBefore},
              {Step::Type, "2/29/2027", kBefore}}},
        Case{"ASpoiltTextBringsBackTheValueBeforeIt",
             {{Step::Begin, "", kBefore},
              {Step::Type, "12/25/2007", kChristmas, true, true},
              {Step::Type, "12/25/2007x", kBefore}}},
        Case{"AnEmptyBoxKeepsTheTarget", {{Step::Begin, "", kBefore}, {Step::Type, "", kBefore}}},
        Case{"ANewTextFallsBackToWhatTheLastOneLeft",
             {{Step::Begin, "", kBefore},
              {Step::Type, "12/25/2007", kChristmas, true, true},
              {Step::Begin, "", kChristmas},
              {Step::Type, "12/25/2007x", kChristmas, false, true}}},
        Case{"TheProgramsTextIsNoChangeOfTheUsers",
             {{Step::Begin, "", kBefore},
              {Step::Fill, "02/10/2007", kBefore, true, false},
              {Step::Type, "soon", kBefore}}},
        Case{"TheProgramsTextKeepsTheUsersChange",
             {{Step::Begin, "", kBefore},
              {Step::Type, "12/25/2007", kChristmas, true, true},
              {Step::Fill, "1/1/2008", day(2008, 1, 1), true, true},
              {Step::Type, "soon", day(2008, 1, 1), false, true}}},
        Case{"ATime",
             {{Step::Begin, "", timeOfDay(6, 30)},
              {Step::Type, "7:23:45 PM", timeOfDay(19, 23, 45), true, true},
              {Step::Type, "7:30 PX", timeOfDay(6, 30)}}}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
