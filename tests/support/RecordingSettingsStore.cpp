#include "RecordingSettingsStore.h"

namespace tavrio::test {

void RecordingSettingsStore::preset(Key key, std::string_view text) {
    preset(kSection, key, text);
}

void RecordingSettingsStore::preset(std::string_view section, Key key, std::string_view text) {
    (void)values_.write(kAppName, section, keyName(key), text);
}

std::optional<std::string> RecordingSettingsStore::stored(Key key) {
    return stored(kSection, key);
}

std::optional<std::string> RecordingSettingsStore::stored(std::string_view section, Key key) {
    return values_.read(kAppName, section, keyName(key));
}

void RecordingSettingsStore::failWrites(Key key, std::string reason) {
    failingKeys_.insert_or_assign(std::string{keyName(key)}, std::move(reason));
}

void RecordingSettingsStore::allowWrites(Key key) {
    failingKeys_.erase(std::string{keyName(key)});
}

QStringList RecordingSettingsStore::readKeys() const {
    QStringList keys;
    for (const StoreAccess& access : accesses_) {
        if (access.kind == StoreAccess::Kind::Read) {
            keys.append(QString::fromStdString(access.key));
        }
    }
    return keys;
}

QList<KeyText> RecordingSettingsStore::writes() const {
    QList<KeyText> written;
    for (const StoreAccess& access : accesses_) {
        if (access.kind == StoreAccess::Kind::Write) {
            written.append({QString::fromStdString(access.key),
                            QString::fromStdString(access.text.value_or(std::string{}))});
        }
    }
    return written;
}

QString RecordingSettingsStore::writesText() const {
    QStringList texts;
    for (const auto& [key, text] : writes()) {
        texts.append(key + QLatin1Char('=') + text);
    }
    return texts.join(QStringLiteral(", "));
}

QStringList RecordingSettingsStore::changes() const {
    QStringList changed;
    for (const StoreAccess& access : accesses_) {
        const QString section = QString::fromStdString(access.section);
        if (access.kind == StoreAccess::Kind::Write) {
            changed << section + u'/' + QString::fromStdString(access.key) + u'=' +
                           QString::fromStdString(access.text.value_or(std::string{}));
        } else if (access.kind == StoreAccess::Kind::RemoveSection) {
            changed << u'-' + section;
        }
    }
    return changed;
}

std::optional<std::string> RecordingSettingsStore::read(std::string_view appName,
                                                        std::string_view section,
                                                        std::string_view key) {
    std::optional<std::string> text = values_.read(appName, section, key);
    accesses_.push_back({StoreAccess::Kind::Read, std::string{appName}, std::string{section},
                         std::string{key}, text});
    if (onRead) {
        onRead(key);
    }
    return text;
}

WriteResult RecordingSettingsStore::write(std::string_view appName, std::string_view section,
                                          std::string_view key, std::string_view text) {
    const auto failing = failingKeys_.find(key);
    const bool refused = failing != failingKeys_.end();
    accesses_.push_back({StoreAccess::Kind::Write, std::string{appName}, std::string{section},
                         std::string{key}, std::string{text}, refused});
    if (refused) {
        return WriteResult::failure(failing->second);
    }
    return values_.write(appName, section, key, text);
}

WriteResult RecordingSettingsStore::removeSection(std::string_view appName,
                                                  std::string_view section) {
    accesses_.push_back({StoreAccess::Kind::RemoveSection, std::string{appName},
                         std::string{section}, std::string{}, std::nullopt});
    return values_.removeSection(appName, section);
}

} // namespace tavrio::test
