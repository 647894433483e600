#include "FakeForms.h"

#include <QtGlobal>

namespace tavrio::test {

frmSettings& FakeForms::settingsWindow(CountdownState&) {
    if (!settings) {
        qFatal("FakeForms: the settings window was referenced, but the test gave none");
    }
    settingsReached_ = true;
    return settings();
}

} // namespace tavrio::test
