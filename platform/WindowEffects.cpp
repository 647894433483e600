#include "WindowEffects.h"

#include "NativeWindowEffects.h"
#include "PortableWindowEffects.h"

namespace tavrio {

WindowEffects& WindowEffects::current() {
    static PortableWindowEffects portable;
    WindowEffects* native = nativeWindowEffects();
    return native != nullptr ? *native : portable;
}

} // namespace tavrio
