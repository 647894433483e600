#include "UnreadableCountdowns.h"

#include "UnreadableKeys.h"

#include <QCoreApplication>
#include <QStringList>

namespace tavrio {

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString unreadableCountdownsMessage(SettingsStore& store,
                                    const std::vector<CountdownState*>& countdowns,
                                    const RegionalSettings& regional) {
    QStringList lines;
    for (const CountdownState* countdown : countdowns) {
        if (countdown->isFirst()) {
            continue;
        }
        const std::vector<Key> keys = unreadableKeys(store, countdown->group, regional);
        if (keys.empty()) {
            continue;
        }
        QStringList names;
        for (const Key key : keys) {
            names << latin1(keyName(key));
        }
        const QString title = QString::fromStdString(
            store.read(kAppName, countdown->group, keyName(Key::What)).value_or(""));
        lines << QStringLiteral("[%1] %2: %3")
                     .arg(QString::fromStdString(countdown->group), title,
                          names.join(QStringLiteral(", ")));
    }
    if (lines.isEmpty()) {
        return {};
    }
    //: A message at start. %1 is one line per countdown: its group in the settings file in
    //: brackets, its title and the names of the keys whose values could not be read.
    return QCoreApplication::translate(
               "UnreadableCountdowns",
               "Some settings of these countdowns could not be read, and each started without "
               "them; the settings file keeps them as they were:\n%1")
        .arg(lines.join(u'\n'));
}

} // namespace tavrio
