#include "PrintCommand.h"

#include "ConsoleText.h"
#include "Conversions.h"
#include "LocalClock.h"
#include "ProgramTexts.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "SecondTicker.h"

#include <QCoreApplication>
#include <QLocale>

#include <csignal>

namespace tavrio {

namespace {

// The text for the target as it is stored now; the timer window reads it the same way, and shows
// it in the same language.
QString currentText(QSettingsStore& store, const RegionalSettings& regional) {
    const DateValue date = toDate(readSetting(store, Key::tvDate), regional).value_or(0.0);
    const DateValue time = toDate(readSetting(store, Key::tvTime), regional).value_or(0.0);
    return RemainingTimeText(date, time, localNow());
}

} // namespace

int runPrintCommand(bool watch) {
    QSettingsStore store;
    if (const auto problem = store.readProblem()) {
        writeLine(ConsoleStream::Error,
                  QStringLiteral("tavrio: ") + QString::fromStdString(*problem));
        return 1;
    }
    const RegionalSettings regional = regionalSettingsFrom(QLocale::system());
    if (!writeLine(ConsoleStream::Output, currentText(store, regional)) || !watch) {
        return 0;
    }
#ifdef SIGPIPE
    // A reader that goes away ends the watch through a failed write, with success, rather than
    // through the signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    const SecondTicker ticker;
    QObject::connect(&ticker, &SecondTicker::tick, &ticker, [&] {
        if (!writeLine(ConsoleStream::Output, currentText(store, regional))) {
            QCoreApplication::exit(0);
        }
    });
    return QCoreApplication::exec();
}

} // namespace tavrio
