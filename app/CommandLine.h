// What the command line asks for. Without arguments Tavrio starts as always; the options add a
// way to read the countdown in a terminal or status bar, a way back to the settings window, a way
// to set the target (and title) from a launcher or a shortcut, and a way to end the Tavrio that
// runs (for scripts and installers).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tavrio {

struct CommandLine {
    enum class Action { Run, Print, EndRunning, Help, Version, Fail };

    Action action = Action::Run;
    bool watch = false;            // --print --watch: a new line every second
    bool all = false;              // --print --all: a line for each countdown
    bool openSettings = false;     // --settings
    bool newCountdown = false;     // --new: the target and title go to a new countdown
    std::optional<QString> target; // --target: the phrase as given, read by readTargetArgument
    std::optional<QString> title;  // --title, which goes with --target
    QString display;               // Qt's -display, when given
    QString output;                // the help or version text, or the error message
    int exitCode = 0;              // for Help, Version and Fail
};

// Parses the arguments, the program's name first. Qt's own window-system options (-display,
// -geometry, -platform...) are accepted and left to Qt.
CommandLine parseCommandLine(const QStringList& arguments);

// The arguments for Qt without the ones that would set the first window's caption (-title, which
// is Tavrio's --title, and -qwindowtitle): the timer window's caption names the awaited event and
// nothing else.
std::vector<char*> withoutCaptionOptions(int argc, char** argv);

// What a later start hands to the running Tavrio, which parses it as its own command line: the
// requests it acts on, and nothing for Qt or the window system, which are the running one's.
QStringList requestArguments(const CommandLine& commandLine);

} // namespace tavrio
