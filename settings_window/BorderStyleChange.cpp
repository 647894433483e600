#include "BorderStyleChange.h"

#include "Conversions.h"
#include "Program.h"
#include "frmMain.h"

namespace tavrio {

void changeBorderStyle(Program& program, int style, const std::function<void()>& storeChanged) {
    SharedValues& shared = program.shared;
    const UpdatingScope updating(shared);
    shared.SettingsLoaded = false;
    const SharedValues held = shared;
    storeChanged();
    program.forms->unloadTimerWindow();
    program.writer.save(Key::BS, integerText(style));
    // The new window would read them back unwritten as well; waiting here is the one wait for the
    // disk while running.
    program.writer.finishWrites();
    program.forms->showTimerWindow();

    shared.TargetDate = held.TargetDate;
    shared.TargetTime = held.TargetTime;
    shared.Opacity = held.Opacity;
    if (frmMain* timer = program.forms->timerWindow()) {
        timer->showTranslucency(shared.Opacity, shared.HideBackground);
        timer->refreshNow();
    }
}

} // namespace tavrio
