// A settings store for tests: values live in memory, and every call the program makes is
// recorded in order, so a test can check which keys were read and written, when and with what
// text. Writes of chosen keys can be made to fail, as a full disk or a read-only file would.
#pragma once

#include "MemorySettingsStore.h"
#include "SettingKeys.h"
#include "SettingsStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrio::test {

// One call of the store, as the program made it.
struct StoreAccess {
    enum class Kind { Read, Write, RemoveSection };

    Kind kind;
    std::string appName;
    std::string section;
    std::string key;
    // For a write the text written; for a read the text found, none when the key was absent.
    std::optional<std::string> text;
    // A write that the store refused (see failWrites).
    bool refused = false;
};

// A key and the text written under it; QCOMPARE prints lists of these readably.
using KeyText = std::pair<QString, QString>;

class RecordingSettingsStore : public SettingsStore {
public:
    // Puts a value under "Tavrio" / "Settings" as an earlier run would have left it, without
    // recording anything.
    void preset(Key key, std::string_view text);
    void preset(std::string_view section, Key key, std::string_view text);
    // The value stored under "Tavrio" / "Settings", without recording a read; none when absent.
    std::optional<std::string> stored(Key key);
    std::optional<std::string> stored(std::string_view section, Key key);

    // Every later write of the key fails with the reason and leaves the stored value as it was,
    // until allowWrites is called for it.
    void failWrites(Key key, std::string reason);
    void allowWrites(Key key);

    // Everything recorded since construction or the last forget(), oldest first.
    const std::vector<StoreAccess>& accesses() const { return accesses_; }
    // The names of the keys read, in order.
    QStringList readKeys() const;
    // Every write attempted, refused ones included, in order.
    QList<KeyText> writes() const;
    // The same as one line of text (Width=6000, Height=2250), for failure messages.
    QString writesText() const;
    // Every change in order with its section: "Countdown2/What=Exam", "-Countdown2" for a section
    // removed.
    QStringList changes() const;
    // Starts a new record; the values stay.
    void forget() { accesses_.clear(); }

    // Called on every read after it is recorded and before the value is returned, so a test can
    // look at the program between two of its steps.
    std::function<void(std::string_view key)> onRead;

    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override;
    WriteResult write(std::string_view appName, std::string_view section, std::string_view key,
                      std::string_view text) override;
    WriteResult removeSection(std::string_view appName, std::string_view section) override;

private:
    MemorySettingsStore values_;
    std::map<std::string, std::string, std::less<>> failingKeys_;
    std::vector<StoreAccess> accesses_;
};

} // namespace tavrio::test
