// Windows has none of these signals: the session's end comes to Qt as a message instead.
#include "StopSignals.h"

#include <utility>

namespace tavrio {

StopSignals::StopSignals(std::function<void()> stop)
    : stop_(std::move(stop)) {}

StopSignals::~StopSignals() = default;

} // namespace tavrio
