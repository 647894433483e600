#include "PrintCommand.h"

#include "Conversions.h"
#include "LocalClock.h"
#include "MomentChoices.h"
#include "ProgramTexts.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "SecondTicker.h"

#include <QCoreApplication>
#include <QLocale>

#include <csignal>
#include <cstdio>

namespace tavrio {

namespace {

// The text for the target as it is stored now, with what the user chose for after it; the timer
// window reads it the same way, and shows it in the same language. A repeating target that has
// passed is shown counting to its next occurrence, which only the running program stores.
QString currentText(QSettingsStore& store, const RegionalSettings& regional) {
    Target target;
    target.date = toDate(readSetting(store, kSection, Key::tvDate), regional).value_or(0.0);
    target.time = toDate(readSetting(store, kSection, Key::tvTime), regional).value_or(0.0);
    const MomentChoices choices = readMomentChoices(store, kSection, regional);
    target.after = choices.after;
    target.repeat = choices.repeat;
    return RemainingTimeText(target, localNow());
}

// False once the reader has gone (a status bar restarted, a closed pipe).
bool printLine(const QString& text) {
    return std::printf("%s\n", qPrintable(text)) >= 0 && std::fflush(stdout) == 0;
}

} // namespace

int runPrintCommand(bool watch) {
    QSettingsStore store;
    if (const auto problem = store.readProblem()) {
        std::fprintf(stderr, "tavrio: %s\n", problem->c_str());
        return 1;
    }
    const RegionalSettings regional = regionalSettingsFrom(QLocale::system());
    if (!printLine(currentText(store, regional)) || !watch) {
        return 0;
    }
#ifdef SIGPIPE
    // A reader that goes away ends the watch through a failed write, with success, rather than
    // through the signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    const SecondTicker ticker;
    QObject::connect(&ticker, &SecondTicker::tick, &ticker, [&] {
        if (!printLine(currentText(store, regional))) {
            QCoreApplication::exit(0);
        }
    });
    return QCoreApplication::exec();
}

} // namespace tavrio
