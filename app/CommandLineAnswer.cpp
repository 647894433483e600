#include "CommandLineAnswer.h"

#include "Application.h"
#include "ConsoleText.h"
#include "Conversions.h"
#include "PrintCommand.h"
#include "ProgramLanguage.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "TargetArgument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace tavrio {

namespace {

// The texts are worded again with the translations in place, which need an application; given
// the program's name alone, its usage line names it without the folder.
int answerInTheUsersLanguage(const QStringList& arguments) {
    QByteArray name = arguments.isEmpty()
                          ? QByteArray("tavrio")
                          : QFile::encodeName(QFileInfo(arguments.constFirst()).fileName());
    char* nameOnly[] = {name.data(), nullptr};
    int count = 1;
    const QCoreApplication application(count, nameOnly);
    const ProgramLanguage language;
    const CommandLine worded = parseCommandLine(arguments);
    if (worded.action == CommandLine::Action::Help) {
        writeLine(ConsoleStream::Output, worded.output);
    } else {
        writeLine(ConsoleStream::Error, QStringLiteral("tavrio: ") + worded.output);
    }
    return worded.exitCode;
}

// The first countdown's target time as stored; midnight where none reads.
DateValue storedTargetTime() {
    QSettingsStore store;
    return toDate(readSetting(store, kSection, Key::tvTime),
                  regionalSettingsFrom(QLocale::system()))
        .value_or(0.0);
}

} // namespace

int answerCommandLine(const CommandLine& commandLine, const QStringList& arguments, int argc,
                      char* argv[]) {
    switch (commandLine.action) {
    case CommandLine::Action::Version:
        // For scripts as much as for people: never translated.
        writeLine(ConsoleStream::Output, commandLine.output);
        return 0;
    case CommandLine::Action::Help:
    case CommandLine::Action::Fail:
        return answerInTheUsersLanguage(arguments);
    case CommandLine::Action::Print: {
        const QCoreApplication application(argc, argv);
        Application::nameTheApplication();
        const ProgramLanguage language;
        return runPrintCommand(commandLine.watch, commandLine.all);
    }
    case CommandLine::Action::EndRunning:
        return Application::endRunning(commandLine);
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

std::optional<CommandLine> withTargetRead(const CommandLine& commandLine) {
    // The translations need an application, which is gone before the windows' own is made.
    QByteArray name("tavrio");
    char* nameOnly[] = {name.data(), nullptr};
    int count = 1;
    const QCoreApplication application(count, nameOnly);
    Application::nameTheApplication();
    const ProgramLanguage language;
    const QString text = commandLine.target.value_or(QString());
    const auto target =
        readTargetArgument(text, commandLine.newCountdown ? 0.0 : storedTargetTime());
    if (!target) {
        writeLine(ConsoleStream::Error, QStringLiteral("tavrio: ") + unreadableTargetMessage(text));
        return std::nullopt;
    }
    CommandLine read = commandLine;
    read.target = target->moment;
    return read;
}

} // namespace tavrio
