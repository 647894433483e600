// The program context for window tests: a recording store in memory, fixed US regional
// settings, a clock that stands still until the test moves it, fake forms, and the first
// countdown, whose windows the test makes. Nothing reaches
// the user's real settings, clock or windows.
#pragma once

#include "CountdownState.h"
#include "DateValue.h"
#include "FakeForms.h"
#include "FontSpec.h"
#include "Program.h"
#include "RecordingSettingsStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrio::test {

// A date value from a calendar date and a time of day; the test stops if they make no date.
DateValue at(int year, unsigned month, unsigned day, int hour = 0, int minute = 0, int second = 0);

class TestProgram {
public:
    // The clock's reading until a test sets another: 7 February 2007, 18:00:00.
    static DateValue startTime();

    TestProgram();
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    RecordingSettingsStore store;
    FakeForms forms;
    // What program.now() returns.
    DateValue clock = startTime();
    // The messages the program would have shown the user about writes that failed, in order.
    std::vector<std::string> writeFailureReports;

    // The font dialog: each font it was started from, the window it was shown over and the
    // timer window it kept clear of, in order. It answers with fontDialogAnswer (none: the user
    // cancelled), after calling onFontDialog, so a test can look at the program while the dialog is
    // open.
    std::vector<FontSpec> fontDialogOffers;
    std::vector<const QWidget*> fontDialogOwners;
    std::vector<std::optional<QRect>> fontDialogKeptClear;
    std::optional<FontSpec> fontDialogAnswer;
    std::function<void()> onFontDialog;
    // Every address handed to the browser, in order.
    std::vector<std::string> openedAddresses;

    Program program;
    // The first countdown, stored in "Settings".
    CountdownState countdown{std::string(kSection)};
};

} // namespace tavrio::test
