#include "TargetArgument.h"

#include <gtest/gtest.h>

namespace tavrio {
namespace {

// Dates far from today, so that the rows hold whenever they run; the time in force is 09:30.
TEST(TargetArgument, ReadsAsTheDateBoxAndKeepsTheTimeInForceWhenNoneIsNamed) {
    const struct {
        const char* text;
        const char* moment; // "" when it does not read
    } rows[] = {
        {"2099-12-24 17:00", "2099-12-24T17:00:00"},
        {"2099-12-24", "2099-12-24T09:30:00"},
        {"2099-12-24 00:00", "2099-12-24T00:00:00"},
        {"24 Dec 2099 5pm", "2099-12-24T17:00:00"},
        {"24 dec 2099", "2099-12-24T09:30:00"},
        {"17:00", ""},
        {"in 2", ""},
    };
    const DateValue timeInForce = dateValueOf(0, 9 * 3600 + 30 * 60);
    for (const auto& row : rows) {
        const auto target = readTargetArgument(QString::fromUtf8(row.text), timeInForce);
        EXPECT_EQ(target ? target->moment.toStdString() : "", row.moment) << row.text;
    }
}

// Nothing is applied for a phrase that does not read, and the moment is printed only once the
// target is in force.
TEST(TargetArgument, AppliesAndPrintsOnlyATargetThatReads) {
    const struct {
        const char* text;
        bool applies;
        int status;
        const char* printed;
    } rows[] = {
        {"24 dec 2099 5pm", true, 0, "2099-12-24T17:00:00\n"},
        {"24 dec 2099 5pm", false, 1, ""},
        {"24 dec 2099 25pm", true, 2, ""},
    };
    for (const auto& row : rows) {
        CommandLine commandLine;
        commandLine.target = QString::fromUtf8(row.text);
        int applied = 0;
        testing::internal::CaptureStdout();
        const int status = answerTargetArgument(commandLine, 0, [&](const TargetArgument&) {
            ++applied;
            return row.applies;
        });
        EXPECT_EQ(testing::internal::GetCapturedStdout(), row.printed) << row.text;
        EXPECT_EQ(status, row.status) << row.text;
        EXPECT_EQ(applied, row.status == 2 ? 0 : 1) << row.text;
    }
}

} // namespace
} // namespace tavrio
