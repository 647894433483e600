#include "CountdownGroups.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tavrio {

namespace {

constexpr std::string_view kPrefix = "Countdown";

bool isCountdownGroup(std::string_view name) {
    if (!name.starts_with(kPrefix)) {
        return false;
    }
    const std::string_view digits = name.substr(kPrefix.size());
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc{} && end == digits.data() + digits.size() && digits.front() != '0' &&
           number >= 2;
}

} // namespace

std::vector<std::string> countdownGroups(std::string_view storedList) {
    std::vector<std::string> groups;
    while (!storedList.empty()) {
        const std::size_t blank = storedList.find(' ');
        const std::string_view name = storedList.substr(0, blank);
        storedList.remove_prefix(blank == std::string_view::npos ? storedList.size() : blank + 1);
        if (isCountdownGroup(name) &&
            std::find(groups.begin(), groups.end(), name) == groups.end()) {
            groups.emplace_back(name);
        }
    }
    return groups;
}

std::vector<std::string> storedCountdownGroups(SettingsStore& store) {
    std::vector<std::string> groups{std::string(kSection)};
    for (std::string& group : countdownGroups(readSetting(store, kSection, Key::Countdowns))) {
        groups.push_back(std::move(group));
    }
    return groups;
}

std::string countdownListText(std::span<const std::string> groups) {
    std::string text;
    for (const std::string& group : groups) {
        if (!text.empty()) {
            text += ' ';
        }
        text += group;
    }
    return text;
}

std::string newCountdownGroup(std::span<const std::string> listed,
                              const std::function<bool(std::string_view group)>& holdsValues) {
    for (unsigned number = 2;; ++number) {
        std::string group = std::string(kPrefix) + std::to_string(number);
        if (std::find(listed.begin(), listed.end(), group) == listed.end() && !holdsValues(group)) {
            return group;
        }
    }
}

} // namespace tavrio
