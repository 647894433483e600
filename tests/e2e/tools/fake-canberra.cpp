// A stand-in for libcanberra, for the tests of the sound when the time comes: found first on the
// library path, it plays nothing and appends what it was asked to the file named by
// TAVRIO_FAKE_SOUND_LOG, a line each: "open", "play ID", "missing ID", "destroy".
//   TAVRIO_FAKE_SOUNDS       the sounds its theme has, separated by commas (all when unset)
//   TAVRIO_FAKE_SOUND_SERVER "absent": opening fails as without a sound server
//   TAVRIO_FAKE_OPEN_UNTIL   opening waits until this file exists, as a sound server that is slow
//                            to answer
#include <canberra.h>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

struct ca_context {};
struct ca_proplist {
    std::string eventId;
};

namespace {

void note(const std::string& line) {
    if (const char* log = std::getenv("TAVRIO_FAKE_SOUND_LOG")) {
        if (std::FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%s\n", line.c_str());
            std::fclose(file);
        }
    }
}

bool themeHas(const std::string& sound) {
    const char* sounds = std::getenv("TAVRIO_FAKE_SOUNDS");
    return sounds == nullptr ||
           ("," + std::string{sounds} + ",").find("," + sound + ",") != std::string::npos;
}

} // namespace

extern "C" {

int ca_context_create(ca_context** c) {
    *c = new ca_context;
    return CA_SUCCESS;
}

int ca_context_change_props(ca_context*, ...) {
    return CA_SUCCESS;
}

int ca_context_open(ca_context*) {
    if (const char* until = std::getenv("TAVRIO_FAKE_OPEN_UNTIL")) {
        while (!std::filesystem::exists(until)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    note("open");
    const char* server = std::getenv("TAVRIO_FAKE_SOUND_SERVER");
    return server != nullptr && std::string{server} == "absent" ? CA_ERROR_NOTAVAILABLE
                                                                : CA_SUCCESS;
}

int ca_proplist_create(ca_proplist** p) {
    *p = new ca_proplist;
    return CA_SUCCESS;
}

int ca_proplist_sets(ca_proplist* p, const char* key, const char* value) {
    if (std::string{key} == CA_PROP_EVENT_ID) {
        p->eventId = value;
    }
    return CA_SUCCESS;
}

int ca_proplist_destroy(ca_proplist* p) {
    delete p;
    return CA_SUCCESS;
}

int ca_context_play_full(ca_context* c, uint32_t id, ca_proplist* p, ca_finish_callback_t cb,
                         void* userdata) {
    if (!themeHas(p->eventId)) {
        note("missing " + p->eventId);
        return CA_ERROR_NOTFOUND;
    }
    note("play " + p->eventId);
    // The end, reported from another thread as a sound server does.
    std::thread([=] { cb(c, id, CA_SUCCESS, userdata); }).join();
    return CA_SUCCESS;
}

int ca_context_destroy(ca_context* c) {
    note("destroy");
    delete c;
    return CA_SUCCESS;
}

} // extern "C"
