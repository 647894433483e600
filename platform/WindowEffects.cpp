#include "WindowEffects.h"

#include "PortableWindowEffects.h"
#include "X11WindowEffects.h"

#ifdef Q_OS_WIN
#include "windows/WindowsWindowEffects.h"
#endif

namespace tavrio {

WindowEffects& WindowEffects::current() {
    static PortableWindowEffects portable;
#ifdef Q_OS_WIN
    WindowEffects* native = windowsWindowEffects();
#else
    WindowEffects* native = x11WindowEffects();
#endif
    return native != nullptr ? *native : portable;
}

} // namespace tavrio
