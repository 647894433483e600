#include "MomentChoices.h"

#include "KeyRead.h"

namespace tavrio {

namespace {

// The stored value, or the key's default where it does not read.
template <Key K>
ValueOfKey<K> valueOrDefault(SettingsStore& store, const RegionalSettings& regional) {
    return readKey<K>(store, regional).value.value_or(keyDefault<K>(regional));
}

} // namespace

MomentChoices readMomentChoices(SettingsStore& store, const RegionalSettings& regional) {
    return {valueOrDefault<Key::tvSound>(store, regional),
            static_cast<AfterTarget>(valueOrDefault<Key::tvAfter>(store, regional)),
            static_cast<Repeat>(valueOrDefault<Key::tvRepeat>(store, regional))};
}

} // namespace tavrio
