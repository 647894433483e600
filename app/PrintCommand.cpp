#include "PrintCommand.h"

#include "ConsoleText.h"
#include "Conversions.h"
#include "CountdownGroups.h"
#include "LocalClock.h"
#include "MomentChoices.h"
#include "ProgramTexts.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "SecondTicker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <csignal>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrio {

namespace {

// The text for the target as it is stored now, with what the user chose for after it; the timer
// window reads it the same way, and shows it in the same language. A repeating target that has
// passed is shown counting to its next occurrence, which only the running program stores.
QString countdownText(QSettingsStore& store, std::string_view group,
                      const RegionalSettings& regional) {
    Target target;
    target.date = toDate(readSetting(store, group, Key::tvDate), regional).value_or(0.0);
    target.time = toDate(readSetting(store, group, Key::tvTime), regional).value_or(0.0);
    const MomentChoices choices = readMomentChoices(store, group, regional);
    target.after = choices.after;
    target.repeat = choices.repeat;
    return RemainingTimeText(target, localNow());
}

// The first countdown's text, or a line for each countdown: its title as its timer window's
// caption names it, on one line, a tab and its text.
QString currentText(QSettingsStore& store, const RegionalSettings& regional, bool all) {
    if (!all) {
        return countdownText(store, kSection, regional);
    }
    QStringList lines;
    for (const std::string& group : storedCountdownGroups(store)) {
        QString title = QString::fromStdString(readSetting(store, group, Key::What));
        for (const QChar breaking : {u'\t', u'\n', u'\r'}) {
            title.replace(breaking, u' ');
        }
        lines << title + u'\t' + countdownText(store, group, regional);
    }
    return lines.join(u'\n');
}

} // namespace

int runPrintCommand(bool watch, bool all) {
    QSettingsStore store;
    if (const auto problem = store.readProblem()) {
        writeLine(ConsoleStream::Error,
                  QStringLiteral("tavrio: ") + QString::fromStdString(*problem));
        return 1;
    }
    const RegionalSettings regional = regionalSettingsFrom(QLocale::system());
    if (!writeLine(ConsoleStream::Output, currentText(store, regional, all)) || !watch) {
        return 0;
    }
#ifdef SIGPIPE
    // A reader that goes away ends the watch through a failed write, with success, rather than
    // through the signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    const SecondTicker ticker;
    QObject::connect(&ticker, &SecondTicker::tick, &ticker, [&] {
        if (!writeLine(ConsoleStream::Output, currentText(store, regional, all))) {
            QCoreApplication::exit(0);
        }
    });
    return QCoreApplication::exec();
}

} // namespace tavrio
