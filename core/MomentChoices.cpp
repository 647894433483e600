#include "MomentChoices.h"

#include "KeyRead.h"

namespace tavrio {

namespace {

// The stored value, or the key's default where it does not read.
template <Key K>
ValueOfKey<K> valueOrDefault(SettingsStore& store, std::string_view group,
                             const RegionalSettings& regional) {
    return readKey<K>(store, group, regional).value.value_or(keyDefault<K>(regional));
}

} // namespace

MomentChoices readMomentChoices(SettingsStore& store, std::string_view group,
                                const RegionalSettings& regional) {
    return {valueOrDefault<Key::tvSound>(store, group, regional),
            static_cast<AfterTarget>(valueOrDefault<Key::tvAfter>(store, group, regional)),
            static_cast<Repeat>(valueOrDefault<Key::tvRepeat>(store, group, regional))};
}

} // namespace tavrio
