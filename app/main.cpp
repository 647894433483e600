// Tavrio: one translucent, always-on-top window counting down to a date and time.
#include "Application.h"
#include "CommandLine.h"
#include "CommandLineAnswer.h"

int main(int argc, char* argv[]) {
    using namespace tavrio;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.action != CommandLine::Action::Run) {
        return answerCommandLine(commandLine, arguments, argc, argv);
    }
    if (!commandLine.target) {
        return Application::run(argc, argv, commandLine);
    }
    const auto withTarget = withTargetRead(commandLine);
    return withTarget ? Application::run(argc, argv, *withTarget) : 2;
}
