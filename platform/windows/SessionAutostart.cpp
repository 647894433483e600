#include "SessionAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <string>
#include <windows.h>

namespace tavrio {

namespace {

// The user's own list of programs that start when they log in.
constexpr wchar_t kRunSubkey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromWCharArray(kRunSubkey);
// The entry's name there, which the system's list of start-up programs shows.
constexpr wchar_t kEntryNameW[] = L"Tavrio";
const QString kEntryName = QString::fromWCharArray(kEntryNameW);

QString commandOf(const QString& program) {
    return u'"' + QDir::toNativeSeparators(program) + u'"';
}

} // namespace

SessionAutostart::SessionAutostart(QString appId, QString program)
    : appId_(std::move(appId))
    , program_(std::move(program)) {}

bool SessionAutostart::isSupported() {
    return true;
}

QString SessionAutostart::entryPath() const {
    return kRunKey + u'\\' + kEntryName;
}

bool SessionAutostart::isEnabled() const {
    return QSettings(kRunKey, QSettings::NativeFormat).contains(kEntryName);
}

// Written with the registry calls themselves, which say why a change failed.
std::optional<QString> SessionAutostart::setEnabled(bool enabled) const {
    HKEY run = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunSubkey, 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &run, nullptr);
    if (status == ERROR_SUCCESS) {
        if (enabled) {
            const std::wstring command = commandOf(program_).toStdWString();
            status = RegSetValueExW(run, kEntryNameW, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(command.c_str()),
                                    DWORD((command.size() + 1) * sizeof(wchar_t)));
        } else if (status = RegDeleteValueW(run, kEntryNameW); status == ERROR_FILE_NOT_FOUND) {
            status = ERROR_SUCCESS;
        }
        RegCloseKey(run);
    }
    if (status == ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (!enabled) {
        return QCoreApplication::translate("SessionAutostart", "Cannot remove %1.")
            .arg(entryPath());
    }
    // The system's sentence ends with a full stop of its own.
    QString reason = qt_error_string(int(status)).trimmed();
    if (reason.endsWith(u'.')) {
        reason.chop(1);
    }
    return QCoreApplication::translate("SessionAutostart", "Cannot write %1: %2.")
        .arg(entryPath(), reason);
}

} // namespace tavrio
