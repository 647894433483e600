// libtavrio-slow-sync.so: makes the disk look slow to a program started with it in LD_PRELOAD,
// as a spinning disk, a network home folder or a busy laptop disk is: every fsync and fdatasync
// waits a fixed time before it does its work.
//
//   TAVRIO_SYNC_DELAY_MS  the added wait in milliseconds (30 when unset)
//   TAVRIO_SYNC_LOG       a file to which each call appends one line:
//                         "fsync|fdatasync <start, ms since the epoch> <ms it took>"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using SyncCall = int (*)(int);

long delayMs() {
    static const long delay = [] {
        const char* text = std::getenv("TAVRIO_SYNC_DELAY_MS");
        return text != nullptr ? std::strtol(text, nullptr, 10) : 30L;
    }();
    return delay;
}

double nowMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void waitDelay() {
    timespec until{};
    clock_gettime(CLOCK_MONOTONIC, &until);
    const long total = until.tv_nsec + delayMs() * 1'000'000L;
    until.tv_sec += total / 1'000'000'000L;
    until.tv_nsec = total % 1'000'000'000L;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

void logCall(const char* name, double startedMs, double tookMs) {
    static const char* path = std::getenv("TAVRIO_SYNC_LOG");
    if (path == nullptr) {
        return;
    }
    char line[96];
    const int length = std::snprintf(line, sizeof line, "%s %.3f %.3f\n", name, startedMs, tookMs);
    const int log = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (log >= 0 && length > 0) {
        static_cast<void>(write(log, line, static_cast<size_t>(length)));
    }
    if (log >= 0) {
        close(log);
    }
}

int slowly(const char* name, int descriptor) {
    const auto real = reinterpret_cast<SyncCall>(dlsym(RTLD_NEXT, name));
    const double started = nowMs(CLOCK_REALTIME);
    const double monotonic = nowMs(CLOCK_MONOTONIC);
    waitDelay();
    const int result = real != nullptr ? real(descriptor) : (errno = ENOSYS, -1);
    const int saved = errno;
    logCall(name, started, nowMs(CLOCK_MONOTONIC) - monotonic);
    errno = saved;
    return result;
}

} // namespace

extern "C" int fsync(int descriptor) {
    return slowly("fsync", descriptor);
}

extern "C" int fdatasync(int descriptor) {
    return slowly("fdatasync", descriptor);
}
