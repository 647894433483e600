// A settings store that lives in memory: for tests, and wherever nothing may touch the disk.
#pragma once

#include "SettingsStore.h"

#include <map>
#include <string>
#include <tuple>

namespace tavrio {

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override;
    WriteResult write(std::string_view appName, std::string_view section, std::string_view key,
                      std::string_view text) override;
    WriteResult removeSection(std::string_view appName, std::string_view section) override;

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

} // namespace tavrio
