#include "MemorySettingsStore.h"

namespace tavrio {

std::optional<std::string> MemorySettingsStore::read(std::string_view appName,
                                                     std::string_view section,
                                                     std::string_view key) {
    const auto found =
        values_.find(std::tuple{std::string{appName}, std::string{section}, std::string{key}});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

WriteResult MemorySettingsStore::write(std::string_view appName, std::string_view section,
                                       std::string_view key, std::string_view text) {
    values_.insert_or_assign(
        std::tuple{std::string{appName}, std::string{section}, std::string{key}},
        std::string{text});
    return WriteResult::success();
}

WriteResult MemorySettingsStore::removeSection(std::string_view appName, std::string_view section) {
    std::erase_if(values_, [&](const auto& entry) {
        return std::get<0>(entry.first) == appName && std::get<1>(entry.first) == section;
    });
    return WriteResult::success();
}

} // namespace tavrio
