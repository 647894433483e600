// How the windows' handlers store settings. The store may write in the background (the program's
// does, so that no handler waits for the disk): its outcomes come back to the thread that made
// the writer. A write that fails does not end the program: the value stays in force in memory,
// and the user is told which setting could not be saved and why, once, and again only after
// that setting has been saved successfully in between (so a title typed into a failing store
// does not raise a message for every keystroke).
#pragma once

#include "SettingKeys.h"
#include "SettingsStore.h"

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrio {

class SettingsWriter {
public:
    using Report = std::function<void(const std::string& message)>;

    // How long finishWrites waits for a disk that does not answer.
    static constexpr std::chrono::milliseconds kFinishLimit{3000};

    SettingsWriter(SettingsStore& store, Report report);
    ~SettingsWriter();

    // Outcomes that arrive later are delivered to this writer where it was made.
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    // Stores the key in the group (a countdown's, see CountdownState). False while the setting
    // cannot be saved: its last write known to have ended failed. A store that writes in the
    // background tells the outcome of this one later.
    bool save(std::string_view group, Key key, std::string_view text);

    // Removes every value of the group, after the values saved before. Its outcome is told to no
    // one: a group left behind holds the values of a countdown no longer listed, which is then
    // neither shown nor given to a new countdown.
    void removeGroup(std::string_view group);

    // Waits until every value saved so far is on disk or has failed, for at most `limit`, and
    // reports the failures among them. Every way out of the program passes here, and so does a
    // re-creation of the timer window. Returns the settings whose values were still waiting
    // when the time ran out: none when everything was written.
    std::vector<Key> finishWrites(std::chrono::milliseconds limit = kFinishLimit);

    // No setting's last write known to have ended has failed: what the user set is on disk, as
    // far as the outcomes taken so far tell.
    bool allSaved() const { return failing_.empty(); }

private:
    struct Outcomes;

    // Reports the outcomes that have arrived, in the order in which they were written.
    void takeOutcomes();

    SettingsStore& store_;
    Report report_;
    std::set<std::pair<std::string, Key>> failing_;
    std::shared_ptr<Outcomes> outcomes_;
};

// The message for a setting that could not be saved.
std::string writeFailureMessage(Key key, const std::string& reason);

// The message for settings still on their way to the disk when the program had to end.
std::string unfinishedWritesMessage(const std::vector<Key>& keys, std::chrono::milliseconds waited);

} // namespace tavrio
