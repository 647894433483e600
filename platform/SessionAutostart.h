// Starting with the desktop session: an XDG autostart entry, $XDG_CONFIG_HOME/autostart/<app
// id>.desktop. Whether it is on is read from that file each time, never stored anywhere else.
#pragma once

#include <QString>

#include <optional>

namespace tavrio {

class SessionAutostart {
public:
    // `program` is what the entry starts: the running program's own path.
    SessionAutostart(QString appId, QString program);

    // Where desktops follow the XDG autostart convention.
    static bool isSupported();

    QString entryPath() const;
    // On when the entry exists and the desktop has not been told to hide it.
    bool isEnabled() const;
    // Writes or removes the entry; on failure, why, in words for the user.
    std::optional<QString> setEnabled(bool enabled) const;

private:
    QString appId_;
    QString program_;
};

} // namespace tavrio
