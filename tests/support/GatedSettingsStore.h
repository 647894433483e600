// A settings store for tests of writing in the background: as slow as the test wants, with no
// sleeping. Every write waits at a gate until the test lets it through; the store keeps the
// values written and the order of the writes, and fails the writes of chosen keys.
#pragma once

#include "MemorySettingsStore.h"
#include "SettingsStore.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::test {

// Long enough for any machine, however busy; reaching it is a failure, never an expected wait.
inline constexpr std::chrono::seconds kPatience{60};

class GatedStore : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override {
        const std::lock_guard lock(mutex_);
        return values_.read(appName, section, key);
    }

    WriteResult write(std::string_view appName, std::string_view section, std::string_view key,
                      std::string_view text) override {
        std::unique_lock lock(mutex_);
        const std::size_t arrival = arrived_++;
        changed_.notify_all();
        changed_.wait(lock, [&] { return arrival < letThrough_; });
        writes_.push_back(std::string{key} + "=" + std::string{text});
        if (const auto failure = failing_.find(std::string{key}); failure != failing_.end()) {
            return WriteResult::failure(failure->second);
        }
        return values_.write(appName, section, key, text);
    }

    // At the gate as a write is, recorded as "-section".
    WriteResult removeSection(std::string_view appName, std::string_view section) override {
        std::unique_lock lock(mutex_);
        const std::size_t arrival = arrived_++;
        changed_.notify_all();
        changed_.wait(lock, [&] { return arrival < letThrough_; });
        writes_.push_back("-" + std::string{section});
        return values_.removeSection(appName, section);
    }

    // Lets that many more writes through the gate.
    void let(std::size_t count) {
        const std::lock_guard lock(mutex_);
        letThrough_ += count;
        changed_.notify_all();
    }
    void openForGood() { let(kForGood); }

    // Waits until that many writes have come to the gate, the ones let through included. False
    // when they did not come within kPatience; the gate is then opened for good, so that the
    // failing test does not hang on a store still waiting for it.
    [[nodiscard]] bool awaitArrivals(std::size_t count) {
        std::unique_lock lock(mutex_);
        if (changed_.wait_for(lock, kPatience, [&] { return arrived_ >= count; })) {
            return true;
        }
        letThrough_ = kForGood;
        changed_.notify_all();
        return false;
    }

    void failWrites(const std::string& key, const std::string& reason) {
        const std::lock_guard lock(mutex_);
        failing_[key] = reason;
    }

    // The writes let through, as "key=text", in order.
    std::vector<std::string> writes() {
        const std::lock_guard lock(mutex_);
        return writes_;
    }

private:
    static constexpr std::size_t kForGood = 1'000'000;

    std::mutex mutex_;
    std::condition_variable changed_;
    MemorySettingsStore values_;
    std::size_t arrived_ = 0;
    std::size_t letThrough_ = 0;
    std::vector<std::string> writes_;
    std::map<std::string, std::string> failing_;
};

} // namespace tavrio::test
