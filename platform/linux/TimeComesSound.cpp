#include "TimeComesSound.h"

#include <QGuiApplication>

#include <array>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <dlfcn.h>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

namespace tavrio {

namespace {

// The calls made, from the library as loaded at the first sound: linked, it would be loaded at
// every start with the codecs and the database behind it, for a sound that may never play.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_play_full) playFull = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_proplist_create) createProperties = nullptr;
    decltype(&ca_proplist_sets) setProperty = nullptr;
    decltype(&ca_proplist_destroy) destroyProperties = nullptr;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Canberra> loadCanberra() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    Canberra ca;
    if (resolve(library, "ca_context_create", ca.create) &&
        resolve(library, "ca_context_change_props", ca.changeProps) &&
        resolve(library, "ca_context_open", ca.open) &&
        resolve(library, "ca_context_play_full", ca.playFull) &&
        resolve(library, "ca_context_destroy", ca.destroy) &&
        resolve(library, "ca_proplist_create", ca.createProperties) &&
        resolve(library, "ca_proplist_sets", ca.setProperty) &&
        resolve(library, "ca_proplist_destroy", ca.destroyProperties)) {
        return ca;
    }
    dlclose(library);
    return std::nullopt;
}

// Loaded once and kept, for the next sound.
const Canberra* canberra() {
    static const std::optional<Canberra> loaded = loadCanberra();
    return loaded ? &*loaded : nullptr;
}

// The freedesktop theme, which every other theme falls back to, has all three.
constexpr std::array<const char*, 3> kSounds{"alarm-clock-elapsed", "complete", "bell"};

// Longer than any event sound: a sound server that never tells the end keeps the thread no longer.
constexpr auto kLongestSound = std::chrono::seconds(30);

// The end of one sound, as the library reports it from a thread of its own.
class Finished {
public:
    static void report(ca_context*, std::uint32_t, int error, void* finished) {
        auto& self = *static_cast<Finished*>(finished);
        const std::lock_guard lock(self.mutex_);
        self.error_ = error;
        self.ended_.notify_all();
    }

    int wait() {
        std::unique_lock lock(mutex_);
        ended_.wait_for(lock, kLongestSound, [this] { return error_.has_value(); });
        return error_.value_or(CA_SUCCESS);
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    std::optional<int> error_;
};

// Plays the sound to its end; CA_ERROR_NOTFOUND where the theme does not have it.
int playToTheEnd(const Canberra& ca, ca_context* context, const char* sound, Finished& finished) {
    ca_proplist* properties = nullptr;
    if (ca.createProperties(&properties) != CA_SUCCESS) {
        return CA_ERROR_OOM;
    }
    ca.setProperty(properties, CA_PROP_EVENT_ID, sound);
    // Once per target: not worth a place in the sound server's cache.
    ca.setProperty(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    const int started = ca.playFull(context, 0, properties, &Finished::report, &finished);
    ca.destroyProperties(properties);
    return started == CA_SUCCESS ? finished.wait() : started;
}

void playOnThisThread(const std::string& appId) {
    const Canberra* ca = canberra();
    ca_context* context = nullptr;
    if (ca == nullptr || ca->create(&context) != CA_SUCCESS) {
        return;
    }
    // Declared after the context and so ended after it: it may report while it ends.
    std::array<Finished, kSounds.size()> finished;
    ca->changeProps(context, CA_PROP_APPLICATION_NAME, "Tavrio", CA_PROP_APPLICATION_ID,
                    appId.c_str(), nullptr);
    if (ca->open(context) == CA_SUCCESS) {
        for (std::size_t i = 0; i < kSounds.size(); ++i) {
            if (playToTheEnd(*ca, context, kSounds[i], finished[i]) != CA_ERROR_NOTFOUND) {
                break;
            }
        }
    }
    ca->destroy(context);
}

} // namespace

void playTimeComesSound() {
    try {
        std::thread(playOnThisThread, QGuiApplication::desktopFileName().toStdString()).detach();
    } catch (const std::system_error&) {
        // No thread to spare: no sound.
    }
}

} // namespace tavrio
