#include "WindowEffects.h"

#include "PortableWindowEffects.h"
#include "X11WindowEffects.h"

#ifdef Q_OS_WIN
#include "windows/WindowsWindowEffects.h"
#endif

namespace tavrio {

WindowEffects& WindowEffects::current() {
#ifdef Q_OS_WIN
    return *windowsWindowEffects();
#else
    static PortableWindowEffects portable;
    if (WindowEffects* x11 = x11WindowEffects()) {
        return *x11;
    }
    return portable;
#endif
}

} // namespace tavrio
