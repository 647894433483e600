// The application's forms: creates each window on first reference, destroys it when it is
// closed, and ends the program.
#pragma once

#include "Forms.h"

#include <QPointer>

#include <functional>

namespace tavrio {

struct Program;

class FormsEngine : public Forms {
public:
    // `end` leaves the event loop; the engine makes sure no window's closing steps run on the way.
    FormsEngine(Program& program, std::function<void()> end);
    ~FormsEngine() override;

    frmMain* timerWindow() override;
    void unloadTimerWindow() override;
    void showTimerWindow() override;

    frmSettings& settingsWindow() override;
    bool settingsWindowLoaded() const override;
    void showSettingsWindow() override;
    void showPopupMenu(QPoint globalPosition) override;

    void endProgram() override;

private:
    Program& program_;
    std::function<void()> end_;
    QPointer<frmMain> timerWindow_;
    QPointer<frmSettings> settingsWindow_;
};

} // namespace tavrio
