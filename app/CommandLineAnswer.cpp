#include "CommandLineAnswer.h"

#include "Application.h"
#include "ConsoleText.h"
#include "PrintCommand.h"
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
        return Application::endRunning(argc, argv, commandLine);
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

} // namespace tavrio
