// The per-user settings store: text values under an application name, a section and a key.
// GetSetting and SaveSetting are the program's two operations on it; the store behind them is
// an interface so that tests can use one in memory and the program the platform's own.
#pragma once

#include "SettingKeys.h"

#include <optional>
#include <string>
#include <string_view>

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
    virtual ~SettingsStore() = default;

    // The stored text, or none when the application name, the section or the key is absent.
    virtual std::optional<std::string> read(std::string_view appName, std::string_view section,
                                            std::string_view key) = 0;

    // Stores the text under the key, replacing an earlier value and creating the application
    // name and section as needed. When it returns successfully the value is durable.
    virtual WriteResult write(std::string_view appName, std::string_view section,
                              std::string_view key, std::string_view text) = 0;
};

// The stored text, or the default when the application name, section or key is absent.
std::string GetSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                       std::string_view key, std::string_view defaultText);

WriteResult SaveSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                        std::string_view key, std::string_view text);

// The same for Tavrio's own keys, under "Tavrio" / "Settings" and with each key's declared
// default (a reader with a different default passes it).
std::string readSetting(SettingsStore& store, Key key);
std::string readSetting(SettingsStore& store, Key key, std::string_view defaultText);
WriteResult saveSetting(SettingsStore& store, Key key, std::string_view text);

} // namespace tavrio
