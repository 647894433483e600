#include "FormsEngine.h"

#include "Program.h"
#include "frmMain.h"

namespace tavrio {

FormsEngine::FormsEngine(Program& program, std::function<void()> end)
    : program_(program)
    , end_(std::move(end)) {}

FormsEngine::~FormsEngine() {
    delete timerWindow_;
}

frmMain* FormsEngine::timerWindow() {
    return timerWindow_;
}

void FormsEngine::unloadTimerWindow() {
    if (timerWindow_ != nullptr) {
        timerWindow_->close();
    }
}

void FormsEngine::showTimerWindow() {
    if (timerWindow_ == nullptr) {
        timerWindow_ = new frmMain(program_);
    }
    timerWindow_->showForm();
}

void FormsEngine::endProgram() {
    // Hidden rather than closed: closing would run the windows' closing steps.
    if (timerWindow_ != nullptr) {
        timerWindow_->Timer1.stop();
        timerWindow_->hide();
    }
    end_();
}

} // namespace tavrio
