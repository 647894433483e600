// A settings store in front of another that takes each write at once and leaves the writing to
// one worker thread, so that the thread that stores a value never waits for the disk.
//
// Values reach the store behind in the order in which they were written. A value still waiting
// when a newer one of the same key comes is dropped, and the newer one joins the end of the
// line: what reaches the disk is always in the order of writing, and a key written faster than
// the disk can take it costs one write at a time. Reads give every value handed over, written
// or not, so nothing reads a value older than the last one it wrote.
#pragma once

#include "SettingsStore.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace tavrio {

class WriteBehindStore : public SettingsStore {
public:
    explicit WriteBehindStore(SettingsStore& target);
    // Writes what is still waiting, then ends the worker; flush first to bound the wait.
    ~WriteBehindStore() override;

    WriteBehindStore(const WriteBehindStore&) = delete;
    WriteBehindStore& operator=(const WriteBehindStore&) = delete;

    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override;

    // Queues the value and succeeds; its outcome is told to no one (writeThen tells it).
    WriteResult write(std::string_view appName, std::string_view section, std::string_view key,
                      std::string_view text) override;
    // Queues the value; `done` is called on the worker thread once it is written or has failed.
    void writeThen(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view text, const Done& done) override;

    // Queues the removal, after every write handed over before it: the values of the section
    // still waiting are dropped, and reads give none until a newer value is written.
    WriteResult removeSection(std::string_view appName, std::string_view section) override;

    // The keys still waiting are in the order in which they would have been written.
    std::vector<std::string> flush(std::chrono::milliseconds limit) override;

private:
    using Name = std::tuple<std::string, std::string, std::string>; // application, section, key
    using Section = std::pair<std::string, std::string>;            // application, section

    struct Queued {
        Name name; // for the removal of a section, its key is empty
        std::string text;
        std::uint64_t number; // in the order of writing
        Done done;
        bool removesSection = false;
    };

    struct Unwritten {
        std::string text;
        std::uint64_t number;
    };

    void work();

    SettingsStore& target_;
    std::mutex mutex_;
    std::condition_variable wake_;    // for the worker: a value came, or the end
    std::condition_variable settled_; // for flush: nothing is queued or being written
    std::deque<Queued> queue_;
    // The last value of each key that is queued or being written: what reads give.
    std::map<Name, Unwritten> unwritten_;
    // The sections whose removal is queued or under way, with its number.
    std::map<Section, std::uint64_t> removing_;
    std::uint64_t written_ = 0; // values handed over so far
    bool busy_ = false;
    bool ending_ = false;
    std::thread worker_; // last, so that it starts once everything above is ready
};

} // namespace tavrio
