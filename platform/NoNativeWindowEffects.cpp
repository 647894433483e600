// A build for a window system Tavrio has no effects of its own for: the portable ones serve.
#include "NativeWindowEffects.h"

namespace tavrio {

WindowEffects* nativeWindowEffects() {
    return nullptr;
}

} // namespace tavrio
