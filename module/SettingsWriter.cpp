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
    std::vector<std::pair<Key, WriteResult>> arrived;
    SettingsWriter* writer = nullptr; // none once the writer is gone
    bool deliveryPosted = false;

    void add(Key key, const WriteResult& result) {
        const std::lock_guard lock(mutex);
        arrived.emplace_back(key, result);
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

bool SettingsWriter::save(Key key, std::string_view text) {
    store_.writeThen(
        kAppName, kSection, keyName(key), text,
        [outcomes = outcomes_, key](const WriteResult& result) { outcomes->add(key, result); });
    takeOutcomes();
    return !failing_.contains(key);
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
    std::vector<std::pair<Key, WriteResult>> arrived;
    {
        const std::lock_guard lock(outcomes_->mutex);
        arrived.swap(outcomes_->arrived);
    }
    // A report may run an event loop (a message box) that delivers later outcomes meanwhile;
    // the key counts as failing before the user is told, so it is told once.
    for (const auto& [key, result] : arrived) {
        if (result.ok()) {
            failing_.erase(key);
        } else if (failing_.insert(key).second && report_) {
            report_(writeFailureMessage(key, result.reason()));
        }
    }
}

namespace {

std::string_view describe(Key key) {
    switch (key) {
    case Key::BS:
        return "the border style";
    case Key::What:
        return "the title";
    case Key::tvDate:
        return "the target date";
    case Key::tvTime:
        return "the target time";
    case Key::tvTrans:
        return "the opacity";
    case Key::tvHide:
        return "the background hiding";
    case Key::FontSize:
    case Key::FontName:
    case Key::FontColor:
    case Key::FontBold:
    case Key::FontItalic:
        return "the font";
    case Key::Left:
    case Key::Top:
        return "the window's place";
    case Key::Width:
    case Key::Height:
        return "the window's size";
    case Key::tvNotify:
    case Key::tvNotified:
        return "the notification setting";
    }
    return "a setting";
}

} // namespace

std::string writeFailureMessage(Key key, const std::string& reason) {
    return "Tavrio could not save " + std::string{describe(key)} + " (\"" +
           std::string{keyName(key)} + "\").\n\n" + reason +
           "\n\nThe change stays in effect until Tavrio ends.";
}

std::string unfinishedWritesMessage(const std::vector<Key>& keys,
                                    std::chrono::milliseconds waited) {
    std::string settings;
    std::string_view last;
    for (const Key key : keys) {
        const std::string_view description = describe(key);
        if (description == last) {
            settings += ", \"" + std::string{keyName(key)} + "\"";
            continue;
        }
        if (!settings.empty()) {
            settings += "), ";
        }
        settings += std::string{description} + " (\"" + std::string{keyName(key)} + "\"";
        last = description;
    }
    const std::string time = waited.count() % 1000 == 0
                                 ? std::to_string(waited.count() / 1000) + " s"
                                 : std::to_string(waited.count()) + " ms";
    return "Tavrio could not save " + settings +
           ") before ending: the disk did not answer within " + time +
           ". The settings file keeps the values saved before.";
}

} // namespace tavrio
