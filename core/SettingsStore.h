// The per-user settings store: text values under an application name, a section and a key.
// GetSetting and SaveSetting are the program's two operations on it; the store behind them is
// an interface so that tests can use one in memory and the program the platform's own.
#pragma once

#include "SettingKeys.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {

class [[nodiscard]] WriteResult {
public:
    static WriteResult success() { return WriteResult{}; }
    static WriteResult failure(std::string reason) { return WriteResult{std::move(reason)}; }

    bool ok() const { return !reason_; }
    // Why the write failed, in words for the user; empty after a success.
    std::string reason() const { return reason_.value_or(std::string{}); }

private:
    WriteResult() = default;
    explicit WriteResult(std::string reason)
        : reason_(std::move(reason)) {}
    std::optional<std::string> reason_;
};

class SettingsStore {
public:
    // Told the outcome of one write.
    using Done = std::function<void(const WriteResult& result)>;

    virtual ~SettingsStore() = default;

    // The stored text, or none when the application name, the section or the key is absent.
    virtual std::optional<std::string> read(std::string_view appName, std::string_view section,
                                            std::string_view key) = 0;

    // Stores the text under the key, replacing an earlier value and creating the application
    // name and section as needed. When it returns successfully the value is durable, except in a
    // store that writes in the background (WriteBehindStore), where it is only queued.
    virtual WriteResult write(std::string_view appName, std::string_view section,
                              std::string_view key, std::string_view text) = 0;

    // Stores like write and tells `done` the outcome: at once here; a store that writes in the
    // background tells it later, on its own thread, and never for a value that a newer one of
    // the same key replaced before it was written.
    virtual void writeThen(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view text, const Done& done) {
        done(write(appName, section, key, text));
    }

    // Removes the section with every key in it, as if none had been written; removing one that
    // is not there succeeds. This store cannot: it says so.
    virtual WriteResult removeSection(std::string_view /*appName*/, std::string_view /*section*/) {
        return WriteResult::failure("this store cannot remove a section");
    }

    // Waits, for at most `limit`, until every value handed to the store is written or has
    // failed, and returns the keys of the values still waiting when the time ran out: none
    // here, where every write is done when it returns.
    virtual std::vector<std::string> flush(std::chrono::milliseconds /*limit*/) { return {}; }
};

// The stored text, or the default when the application name, section or key is absent.
std::string GetSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                       std::string_view key, std::string_view defaultText);

WriteResult SaveSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                        std::string_view key, std::string_view text);

// The same for Tavrio's own keys, under "Tavrio" and the group (a countdown's, or "Settings" for
// the first countdown and the program's own) and with each key's declared default (a reader with
// a different default passes it). Tavrio's own writes go through the SettingsWriter, which tells
// the user about a failure.
std::string readSetting(SettingsStore& store, std::string_view group, Key key);
std::string readSetting(SettingsStore& store, std::string_view group, Key key,
                        std::string_view defaultText);

} // namespace tavrio
