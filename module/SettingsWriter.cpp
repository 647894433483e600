#include "SettingsWriter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <mutex>
#include <string_view>
#include <utility>

namespace tavrio {

// What the writing thread hands back: outcomes in the order of writing, and whether a delivery
// to the writer's thread is already on its way.
struct SettingsWriter::Outcomes {
    std::mutex mutex;
    struct Outcome {
        std::string group;
        Key key;
        WriteResult result;
    };
    std::vector<Outcome> arrived;
    SettingsWriter* writer = nullptr; // none once the writer is gone
    bool deliveryPosted = false;

    void add(const std::string& group, Key key, const WriteResult& result) {
        const std::lock_guard lock(mutex);
        arrived.push_back({group, key, result});
        QCoreApplication* application = QCoreApplication::instance();
        // On the writer's own thread the writer takes the outcome itself when the write returns.
        if (writer == nullptr || deliveryPosted || application == nullptr ||
            QThread::currentThread() == application->thread()) {
            return;
        }
        deliveryPosted = true;
        QMetaObject::invokeMethod(
            application,
            [self = writer->outcomes_] {
                SettingsWriter* target = nullptr;
                {
                    const std::lock_guard lock(self->mutex);
                    self->deliveryPosted = false;
                    target = self->writer;
                }
                if (target != nullptr) {
                    target->takeOutcomes();
                }
            },
            Qt::QueuedConnection);
    }
};

SettingsWriter::SettingsWriter(SettingsStore& store, Report report)
    : store_(store)
    , report_(std::move(report))
    , outcomes_(std::make_shared<Outcomes>()) {
    outcomes_->writer = this;
}

SettingsWriter::~SettingsWriter() {
    const std::lock_guard lock(outcomes_->mutex);
    outcomes_->writer = nullptr;
}

bool SettingsWriter::save(std::string_view group, Key key, std::string_view text) {
    store_.writeThen(kAppName, group, keyName(key), text,
                     [outcomes = outcomes_, group = std::string(group),
                      key](const WriteResult& result) { outcomes->add(group, key, result); });
    takeOutcomes();
    return !failing_.contains({std::string(group), key});
}

void SettingsWriter::removeGroup(std::string_view group) {
    static_cast<void>(store_.removeSection(kAppName, group));
}

std::vector<Key> SettingsWriter::finishWrites(std::chrono::milliseconds limit) {
    std::vector<Key> waiting;
    for (const std::string& name : store_.flush(limit)) {
        if (const auto key = keyNamed(name)) {
            waiting.push_back(*key);
        }
    }
    takeOutcomes();
    return waiting;
}

void SettingsWriter::takeOutcomes() {
    std::vector<Outcomes::Outcome> arrived;
    {
        const std::lock_guard lock(outcomes_->mutex);
        arrived.swap(outcomes_->arrived);
    }
    // A report may run an event loop (a message box) that delivers later outcomes meanwhile;
    // the key counts as failing before the user is told, so it is told once.
    for (const auto& [group, key, result] : arrived) {
        if (result.ok()) {
            failing_.erase({group, key});
        } else if (failing_.insert({group, key}).second && report_) {
            report_(writeFailureMessage(key, result.reason()));
        }
    }
}

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("SettingsWriter", text);
}

/* TRANSLATOR SettingsWriter

Most texts here name a setting and complete "Tavrio could not save %1" (the border style, the
title, ...).
*/

// The setting as the messages name it, in "Tavrio could not save %1".
QString describe(Key key) {
    switch (key) {
    case Key::BS:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the border style"));
    case Key::What:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the title"));
    case Key::tvDate:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the target date"));
    case Key::tvTime:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the target time"));
    case Key::tvTrans:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the opacity"));
    case Key::tvHide:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the background hiding"));
    case Key::FontSize:
    case Key::FontName:
    case Key::FontColor:
    case Key::FontBold:
    case Key::FontItalic:
    case Key::tvChosenSize:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the font"));
    case Key::Left:
    case Key::Top:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the window's place"));
    case Key::Width:
    case Key::Height:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the window's size"));
    case Key::tvNotify:
    case Key::tvNotified:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the notification setting"));
    case Key::Countdowns:
        return translated(QT_TRANSLATE_NOOP("SettingsWriter", "the list of countdowns"));
    case Key::tvSound:
    case Key::tvAfter:
    case Key::tvRepeat:
        //: The sound, count up and repeat chosen for when the countdown reaches its target.
        return translated(
            QT_TRANSLATE_NOOP("SettingsWriter", "the choices for when the time comes"));
    }
    return translated(QT_TRANSLATE_NOOP("SettingsWriter", "a setting"));
}

// The key's name as it stands in the settings file, never translated.
QString quotedName(Key key) {
    const std::string_view name = keyName(key);
    return u'"' + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + u'"';
}

} // namespace

std::string writeFailureMessage(Key key, const std::string& reason) {
    //: A message box. %1 names the setting, with its key in the settings file ("the title
    //: (\"What\")"); %2 is why the file could not be written.
    return QCoreApplication::translate("SettingsWriter",
                                       "Tavrio could not save %1.\n\n%2\n\nThe "
                                       "change stays in effect until Tavrio ends.")
        .arg(describe(key) + QStringLiteral(" (") + quotedName(key) + u')',
             QString::fromStdString(reason))
        .toStdString();
}

std::string unfinishedWritesMessage(const std::vector<Key>& keys,
                                    std::chrono::milliseconds waited) {
    QString settings;
    QString last;
    for (const Key key : keys) {
        const QString description = describe(key);
        if (description == last) {
            settings += QStringLiteral(", ") + quotedName(key);
            continue;
        }
        if (!settings.isEmpty()) {
            settings += QStringLiteral("), ");
        }
        settings += description + QStringLiteral(" (") + quotedName(key);
        last = description;
    }
    settings += u')';
    const QString time = waited.count() % 1000 == 0
                             ? QStringLiteral("%1 s").arg(waited.count() / 1000)
                             : QStringLiteral("%1 ms").arg(waited.count());
    //: On standard error when the program had to end before the disk took every change. %1
    //: names the settings with their keys in the settings file ("the title (\"What\")"); %2 is
    //: a time ("3 s").
    return QCoreApplication::translate("SettingsWriter",
                                       "Tavrio could not save %1 before ending: the disk did not "
                                       "answer within %2. The settings file keeps the values "
                                       "saved before.")
        .arg(settings, time)
        .toStdString();
}

} // namespace tavrio
