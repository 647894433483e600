#include "CommandLine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tavrio {
namespace {

using Action = CommandLine::Action;

struct Case {
    const char* name;
    std::vector<const char*> arguments; // after the program's name
    Action action;
    int exitCode = 0;
    bool watch = false;
    bool openSettings = false;
    const char* outputContains = "";
    const char* target = nullptr; // none: not given
    const char* title = nullptr;
    bool newCountdown = false;
};

std::optional<QString> given(const char* text) {
    return text != nullptr ? std::optional{QString::fromUtf8(text)} : std::nullopt;
}

class ParseCommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(ParseCommandLine, GivesTheActionAndTheExitCode) {
    const Case& c = GetParam();
    QStringList arguments{QStringLiteral("/usr/bin/tavrio")};
    for (const char* argument : c.arguments) {
        arguments << QString::fromUtf8(argument);
    }
    const CommandLine result = parseCommandLine(arguments);
    EXPECT_EQ(result.action, c.action);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.watch, c.watch);
    EXPECT_EQ(result.openSettings, c.openSettings);
    EXPECT_TRUE(result.output.contains(QString::fromUtf8(c.outputContains)))
        << result.output.toStdString();
    EXPECT_EQ(result.target, given(c.target));
    EXPECT_EQ(result.title, given(c.title));
    EXPECT_EQ(result.newCountdown, c.newCountdown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseCommandLine,
    ::testing::Values(
        Case{"NoArgumentsRunsAsAlways", {}, Action::Run},
        Case{"Settings", {"--settings"}, Action::Run, 0, false, true},
        Case{"Print", {"--print"}, Action::Print},
        Case{"PrintWatch", {"--print", "--watch"}, Action::Print, 0, true},
        Case{"WatchFirst", {"--watch", "--print"}, Action::Print, 0, true},
        Case{"WatchAloneIsAnError", {"--watch"}, Action::Fail, 2, false, false, "--print"},
        Case{"Exit", {"--exit"}, Action::EndRunning},
        Case{"Version", {"--version"}, Action::Version, 0, false, false, "Tavrio 1.2.0"},
        Case{"ShortVersion", {"-v"}, Action::Version, 0, false, false, "Tavrio 1.2.0"},
        Case{"HelpNamesTheProgramAndTheOptions",
             {"--help"},
             Action::Help,
             0,
             false,
             false,
             "tavrio [options]"},
        Case{"HelpListsPrint", {"-h"}, Action::Help, 0, false, false, "--print"},
        Case{"UnknownOption", {"--frobnicate"}, Action::Fail, 2, false, false, "frobnicate"},
        Case{"UnknownShortOption", {"-q"}, Action::Fail, 2, false, false, "Try --help"},
        Case{"StrayArgument", {"tomorrow"}, Action::Fail, 2, false, false, "tomorrow"},
        // Qt's own options reach Qt; the program neither refuses nor acts on them.
        Case{"QtDisplayOption", {"-display", ":3"}, Action::Run},
        Case{"QtCaption", {"-qwindowtitle", "Tea", "--settings"}, Action::Run, 0, false, true},
        Case{.name = "TargetAndTitle",
             .arguments = {"--target", "friday 17:00", "-title", ""},
             .action = Action::Run,
             .target = "friday 17:00",
             .title = ""},
        Case{.name = "NewCountdown",
             .arguments = {"--new", "--target", "in 4 min"},
             .action = Action::Run,
             .target = "in 4 min",
             .newCountdown = true},
        Case{"NewAloneIsAnError", {"--new", "--settings"}, Action::Fail, 2, false, false, "--new"},
        Case{"TitleAloneIsAnError", {"--title", "Tea"}, Action::Fail, 2, false, false, "--target"},
        Case{"TargetPrint", {"--print", "--target", "x"}, Action::Fail, 2, false, false, "--print"},
        Case{"QtFlag", {"-reverse"}, Action::Run},
        Case{"QtOptionWithPrint", {"-platform", "offscreen", "--print"}, Action::Print}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// The running Tavrio reads the request as the later start read its own command line, whatever
// the values look like.
TEST(RequestArguments, AreReadBackAsTheyWereAsked) {
    const std::vector<std::vector<const char*>> rows{
        {"--new", "--target", "in 4 min", "--title", "--settings"},
        {"-target=-1", "-title", "", "--settings"},
    };
    for (const auto& row : rows) {
        QStringList arguments{QStringLiteral("tavrio")};
        for (const char* argument : row) {
            arguments << QString::fromUtf8(argument);
        }
        const CommandLine asked = parseCommandLine(arguments);
        const CommandLine read =
            parseCommandLine(QStringList{QStringLiteral("tavrio")} + requestArguments(asked));
        ASSERT_EQ(read.action, Action::Run) << read.output.toStdString();
        EXPECT_EQ(read.openSettings, asked.openSettings);
        EXPECT_EQ(read.newCountdown, asked.newCountdown);
        EXPECT_EQ(read.target, asked.target);
        EXPECT_EQ(read.title, asked.title);
    }
}

std::vector<std::string> kept(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    const std::vector<char*> result =
        withoutCaptionOptions(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(result.back(), nullptr) << "argv ends with a null pointer";
    return {result.begin(), result.end() - 1};
}

// A caption given to Qt would become the timer window's caption instead of "Tavrio To ...".
TEST(WithoutCaptionOptions, DropsTheCaptionOptionsWithTheirValuesAndKeepsTheRest) {
    EXPECT_EQ(kept({"tavrio", "-title", "Mine", "-display", ":1"}),
              (std::vector<std::string>{"tavrio", "-display", ":1"}));
    EXPECT_EQ(kept({"tavrio", "--qwindowtitle", "Mine", "--settings"}),
              (std::vector<std::string>{"tavrio", "--settings"}));
    EXPECT_EQ(kept({"tavrio", "--print"}), (std::vector<std::string>{"tavrio", "--print"}));
    // A caption option at the end has no value to drop.
    EXPECT_EQ(kept({"tavrio", "-title"}), (std::vector<std::string>{"tavrio"}));
}

} // namespace
} // namespace tavrio
