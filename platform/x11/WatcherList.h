// Functions to call when the X server tells of a change, each for as long as the object it
// belongs to lives: the X11 watchers keep one such list each.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace tavrio {

template <typename Owner>
class WatcherList {
public:
    void add(Owner& owner, std::function<void()> changed) {
        watchers_.push_back({&owner, std::move(changed)});
    }

    bool empty() const { return watchers_.empty(); }

    // Calls each watcher whose owner `concerned` takes, once Qt has handled the events that came
    // before the change; the watchers of owners that are gone are dropped.
    template <typename Concerned>
    void callLater(const Concerned& concerned) {
        std::erase_if(watchers_, [](const Watcher& watcher) { return watcher.owner.isNull(); });
        for (const Watcher& watcher : watchers_) {
            if (concerned(*watcher.owner)) {
                QTimer::singleShot(0, watcher.owner, watcher.changed);
            }
        }
    }

private:
    struct Watcher {
        QPointer<Owner> owner;
        std::function<void()> changed;
    };
    std::vector<Watcher> watchers_;
};

} // namespace tavrio
