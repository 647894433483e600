// The settings store on Qt's QSettings: per user in the registry under
// HKEY_CURRENT_USER\Software\Tavrio\<application> on Windows, and elsewhere in an INI file in
// the user's configuration folder ($XDG_CONFIG_HOME/Tavrio/<application>.conf on Linux). A store
// can also be made on one given INI file, for tests and tools.
#pragma once

#include "SettingsStore.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

class QSettingsStore : public SettingsStore {
public:
    // The per-user store of the organisation "Tavrio".
    QSettingsStore();

    // A store on the given file, which holds the application "Tavrio"; another application name
    // is kept in "<name>.conf" in the same folder, as in the per-user folder.
    explicit QSettingsStore(QString filePath);

    // Every call reads the store again, so a value another program wrote since is seen. A
    // value that Qt reads as a list (hand-edited, with commas) comes back joined by ", ".
    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override;

    // Each value written is on disk when this returns successfully, and the file is replaced as
    // a whole, never left half written: on a failure the old file stays as it was, and the
    // reason names the file and the cause.
    WriteResult write(std::string_view appName, std::string_view section, std::string_view key,
                      std::string_view text) override;

    // Removes the section as write stores a value: at once, and never leaving half a file.
    WriteResult removeSection(std::string_view appName, std::string_view section) override;

    // Why Tavrio's own settings file exists but cannot be used: it cannot be read, or it is
    // not a settings file Qt can parse. None when it is fine or does not exist; reads then give
    // what Qt could make of it, or nothing.
    std::optional<std::string> readProblem();

private:
    std::unique_ptr<QSettings> open(std::string_view appName) const;

    QString filePath_; // empty for the per-user store
};

} // namespace tavrio
