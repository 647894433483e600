#include "WriteBehindStore.h"

#include <algorithm>
#include <utility>

namespace tavrio {

WriteBehindStore::WriteBehindStore(SettingsStore& target)
    : target_(target)
    , worker_([this] { work(); }) {}

WriteBehindStore::~WriteBehindStore() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

std::optional<std::string> WriteBehindStore::read(std::string_view appName,
                                                  std::string_view section, std::string_view key) {
    {
        const std::lock_guard lock(mutex_);
        const auto found =
            unwritten_.find(Name{std::string{appName}, std::string{section}, std::string{key}});
        if (found != unwritten_.end()) {
            return found->second.text;
        }
        if (removing_.contains(Section{std::string{appName}, std::string{section}})) {
            return std::nullopt;
        }
    }
    // Not waiting: the store behind already holds the last value written.
    return target_.read(appName, section, key);
}

WriteResult WriteBehindStore::write(std::string_view appName, std::string_view section,
                                    std::string_view key, std::string_view text) {
    writeThen(appName, section, key, text, Done{});
    return WriteResult::success();
}

void WriteBehindStore::writeThen(std::string_view appName, std::string_view section,
                                 std::string_view key, std::string_view text, const Done& done) {
    {
        const std::lock_guard lock(mutex_);
        Name name{std::string{appName}, std::string{section}, std::string{key}};
        std::erase_if(queue_, [&](const Queued& queued) { return queued.name == name; });
        const std::uint64_t number = ++written_;
        unwritten_.insert_or_assign(name, Unwritten{std::string{text}, number});
        queue_.push_back(Queued{std::move(name), std::string{text}, number, done});
    }
    wake_.notify_one();
}

WriteResult WriteBehindStore::removeSection(std::string_view appName, std::string_view section) {
    {
        const std::lock_guard lock(mutex_);
        const auto inSection = [&](const Name& name) {
            return std::get<0>(name) == appName && std::get<1>(name) == section;
        };
        std::erase_if(queue_, [&](const Queued& queued) { return inSection(queued.name); });
        std::erase_if(unwritten_, [&](const auto& entry) { return inSection(entry.first); });
        const std::uint64_t number = ++written_;
        removing_.insert_or_assign(Section{std::string{appName}, std::string{section}}, number);
        queue_.push_back(Queued{Name{std::string{appName}, std::string{section}, std::string{}},
                                std::string{}, number, Done{}, true});
    }
    wake_.notify_one();
    return WriteResult::success();
}

std::vector<std::string> WriteBehindStore::flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    settled_.wait_for(lock, limit, [this] { return queue_.empty() && !busy_; });
    std::vector<std::pair<std::uint64_t, std::string>> waiting;
    for (const auto& [name, value] : unwritten_) {
        waiting.emplace_back(value.number, std::get<2>(name));
    }
    std::sort(waiting.begin(), waiting.end());
    std::vector<std::string> keys;
    for (auto& [number, key] : waiting) {
        keys.push_back(std::move(key));
    }
    return keys;
}

void WriteBehindStore::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
        if (queue_.empty()) {
            return;
        }
        const Queued next = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();

        const auto& [appName, section, key] = next.name;
        const WriteResult result = next.removesSection
                                       ? target_.removeSection(appName, section)
                                       : target_.write(appName, section, key, next.text);
        if (next.done) {
            next.done(result);
        }

        lock.lock();
        if (next.removesSection) {
            const auto removal = removing_.find(Section{appName, section});
            if (removal != removing_.end() && removal->second == next.number) {
                removing_.erase(removal);
            }
        }
        // Once written, or failed, the store behind is what reads give: unless a newer value of
        // the key came meanwhile, which waits its turn.
        const auto found = unwritten_.find(next.name);
        if (found != unwritten_.end() && found->second.number == next.number) {
            unwritten_.erase(found);
        }
        busy_ = false;
        if (queue_.empty()) {
            settled_.notify_all();
        }
    }
}

} // namespace tavrio
