#include "CommandLine.h"

#include "Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace tavrio {

namespace {

// Qt's own options, which QGuiApplication takes off the command line before the program sees
// it; listed here so that --print, which starts no window system, accepts them too. Qt's -title
// is Tavrio's --title (see withoutCaptionOptions).
const QStringList kQtOptionsWithValue{
    QStringLiteral("display"),
    QStringLiteral("geometry"),
    QStringLiteral("name"),
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("session"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("visual"),
};
const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                           QStringLiteral("nograb"), QStringLiteral("dograb"),
                           QStringLiteral("sync")};

const char* const kCaptionOptions[] = {"-title", "-qwindowtitle", "--title", "--qwindowtitle"};

// After an error on the command line, where to look for help.
QString helpHint() {
    //: After an error on the command line; --help is the option's name, never translated.
    return QCoreApplication::translate("CommandLine", "Try --help for the options.");
}

// The options Tavrio itself answers to, as --help lists them.
struct ProgramOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption print;
    QCommandLineOption watch;
    QCommandLineOption all;
    QCommandLineOption settings;
    QCommandLineOption target;
    QCommandLineOption title;
    QCommandLineOption newCountdown;
    QCommandLineOption exit;
};

QCommandLineOption targetOption() {
    return QCommandLineOption(
        QStringLiteral("target"),
        //: tavrio --help: what --target does; the examples are phrases as the
        //: date box reads them, in the language of the translation.
        QCoreApplication::translate("CommandLine",
                                    "Counts down to the moment a phrase names, as the date "
                                    "box reads it (\"friday 17:00\", \"in 25 min\", \"24 dec\"), "
                                    "and prints that moment."),
        //: tavrio --help: the value of --target, as in "--target <phrase>".
        QCoreApplication::translate("CommandLine", "phrase"));
}

QCommandLineOption titleOption() {
    return QCommandLineOption(
        QStringLiteral("title"),
        //: tavrio --help: what --title does; --target is the option's name, never translated.
        QCoreApplication::translate("CommandLine", "With --target: the title of what is awaited."),
        //: tavrio --help: the value of --title, as in "--title <title>".
        QCoreApplication::translate("CommandLine", "title"));
}

ProgramOptions programOptions() {
    return {
        QCommandLineOption(
            {QStringLiteral("h"), QStringLiteral("help")},
            //: tavrio --help: what --help does.
            QCoreApplication::translate("CommandLine", "Shows this help and exits.")),
        QCommandLineOption(
            {QStringLiteral("v"), QStringLiteral("version")},
            //: tavrio --help: what --version does.
            QCoreApplication::translate("CommandLine", "Shows the version and exits.")),
        //: tavrio --help: what --print does. It needs no display (no desktop, an SSH session).
        QCommandLineOption(QStringLiteral("print"),
                           QCoreApplication::translate(
                               "CommandLine", "Prints the countdown for the stored target (as the "
                                              "window shows it) and exits, without a display.")),
        //: tavrio --help: what --watch does; --print is the option's name, never translated.
        QCommandLineOption(QStringLiteral("watch"),
                           QCoreApplication::translate(
                               "CommandLine", "With --print: prints a new line every second, "
                                              "for status bars, until interrupted.")),
        //: tavrio --help: what --all does; --print is the option's name, never translated; TAB
        //: is the tab character.
        QCommandLineOption(QStringLiteral("all"),
                           QCoreApplication::translate(
                               "CommandLine", "With --print: a line for each countdown, its title, "
                                              "a TAB and its countdown, in their order.")),
        //: tavrio --help: what --settings does: the way back to a timer window the user cannot
        //: reach (invisible, off the screen).
        QCommandLineOption(QStringLiteral("settings"),
                           QCoreApplication::translate("CommandLine",
                                                       "Opens the settings window as well, for a "
                                                       "timer window out of reach.")),
        targetOption(),
        titleOption(),
        //: tavrio --help: what --new does; --target and --title are the options' names, never
        //: translated. A kitchen timer from a launcher: tavrio --new --title Tea --target "in 4
        //: min".
        QCommandLineOption(QStringLiteral("new"),
                           QCoreApplication::translate(
                               "CommandLine", "With --target: the target and the title go to a new "
                                              "countdown with a window of its own.")),
        //: tavrio --help: what --exit does: the running Tavrio stores what is due and ends, as
        //: with Exit in its menu; this start waits for that.
        QCommandLineOption(QStringLiteral("exit"),
                           QCoreApplication::translate("CommandLine",
                                                       "Ends the Tavrio that runs on this display, "
                                                       "as its Exit does, and waits for it.")),
    };
}

// Qt's own options, accepted and left out of --help.
void addQtOptions(QCommandLineParser& parser) {
    for (const QString& name : kQtOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.output = message;
    result.exitCode = 2;
    return result;
}

// Why options given together do not go together, or nothing when they do.
QString misuse(const QCommandLineParser& parser, const ProgramOptions& options) {
    if (parser.isSet(options.watch) && !parser.isSet(options.print)) {
        //: An error on the command line: --watch without --print. Option names are never
        //: translated.
        return QCoreApplication::translate("CommandLine", "--watch goes with --print.");
    }
    if (parser.isSet(options.title) && !parser.isSet(options.target)) {
        //: An error on the command line: --title without --target. Option names are never
        //: translated.
        return QCoreApplication::translate("CommandLine", "--title goes with --target.");
    }
    if (parser.isSet(options.newCountdown) && !parser.isSet(options.target)) {
        //: An error on the command line: --new without --target. Option names are never
        //: translated.
        return QCoreApplication::translate("CommandLine", "--new goes with --target.");
    }
    if (parser.isSet(options.target) && parser.isSet(options.print)) {
        //: An error on the command line: --target with --print. Option names are never
        //: translated.
        return QCoreApplication::translate("CommandLine", "--target does not go with --print.");
    }
    if (parser.isSet(options.all) && !parser.isSet(options.print)) {
        //: An error on the command line: --all without --print. Option names are never
        //: translated.
        return QCoreApplication::translate("CommandLine", "--all goes with --print.");
    }
    return {};
}

// What a command line that parsed asks for.
CommandLine chosen(const QCommandLineParser& parser, const ProgramOptions& options,
                   const QStringList& arguments) {
    CommandLine result;
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::Help;
        // Without an application object the parser cannot name the program itself.
        result.output = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                  arguments.isEmpty()
                                                      ? QStringLiteral("tavrio")
                                                      : QFileInfo(arguments.first()).fileName());
        return result;
    }
    if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::Version;
        result.output = QStringLiteral("Tavrio %1").arg(QString::fromLatin1(kVersionText));
        return result;
    }
    if (const QString error = misuse(parser, options); !error.isEmpty()) {
        return failure(error);
    }
    if (parser.isSet(options.target)) {
        result.target = parser.value(options.target);
    }
    if (parser.isSet(options.title)) {
        result.title = parser.value(options.title);
    }
    if (parser.isSet(options.exit)) {
        result.action = CommandLine::Action::EndRunning;
    } else {
        result.action =
            parser.isSet(options.print) ? CommandLine::Action::Print : CommandLine::Action::Run;
    }
    result.watch = parser.isSet(options.watch);
    result.all = parser.isSet(options.all);
    result.openSettings = parser.isSet(options.settings);
    result.newCountdown = parser.isSet(options.newCountdown);
    result.display = parser.value(QStringLiteral("display"));
    return result;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    //: The first line of tavrio --help, under Qt's "Usage:" line.
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Counts down to a date and time on a translucent, always-on-top window."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const ProgramOptions options = programOptions();
    parser.addOptions({options.help, options.version, options.print, options.watch, options.all,
                       options.settings, options.target, options.title, options.newCountdown,
                       options.exit});
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return failure(parser.errorText() + u'\n' + helpHint());
    }
    if (!parser.positionalArguments().isEmpty()) {
        //: An error on the command line; %1 is the argument given.
        return failure(QCoreApplication::translate("CommandLine", "Unexpected argument: %1")
                           .arg(parser.positionalArguments().constFirst()) +
                       u'\n' + helpHint());
    }
    return chosen(parser, options, arguments);
}

std::vector<char*> withoutCaptionOptions(int argc, char** argv) {
    std::vector<char*> kept;
    for (int i = 0; i < argc; ++i) {
        const bool caption =
            std::any_of(std::begin(kCaptionOptions), std::end(kCaptionOptions),
                        [&](const char* option) { return std::strcmp(argv[i], option) == 0; });
        if (caption) {
            ++i; // and its value
            continue;
        }
        kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

QStringList requestArguments(const CommandLine& commandLine) {
    QStringList arguments;
    if (commandLine.action == CommandLine::Action::EndRunning) {
        arguments << QStringLiteral("--exit");
    }
    if (commandLine.openSettings) {
        arguments << QStringLiteral("--settings");
    }
    if (commandLine.newCountdown) {
        arguments << QStringLiteral("--new");
    }
    if (commandLine.target) {
        // Joined to the option, so that no value can pass for an option of its own.
        arguments << QStringLiteral("--target=") + *commandLine.target;
    }
    if (commandLine.title) {
        arguments << QStringLiteral("--title=") + *commandLine.title;
    }
    return arguments;
}

} // namespace tavrio
