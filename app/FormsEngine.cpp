#include "FormsEngine.h"

#include "OpenBeside.h"
#include "Program.h"
#include "WindowEffects.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QApplication>
#include <QWindow>

namespace tavrio {

FormsEngine::FormsEngine(Program& program, std::function<void()> end)
    : program_(program)
    , end_(std::move(end)) {
    // Some window managers let a clicked timer window rise over the windows kept above it
    // (xfwm4), or keep a window above a timer window made anew only once it is raised (kwin):
    // whenever one of the program's windows takes the keyboard, they are raised again.
    focusWatch_ =
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](const QWindow* focused) {
            if (focused != nullptr) {
                raiseDialogs();
            }
        });
}

FormsEngine::~FormsEngine() {
    // Not while the windows go.
    disconnect(focusWatch_);
    delete settingsWindow_;
    delete timerWindow_;
}

frmMain* FormsEngine::timerWindow() {
    return timerWindow_;
}

void FormsEngine::unloadTimerWindow() {
    if (timerWindow_ == nullptr) {
        return;
    }
    frmMain* window = timerWindow_;
    window->close();
    // Closing only schedules the deletion; the window must be gone before its successor comes.
    delete window;
}

void FormsEngine::showTimerWindow() {
    if (timerWindow_ == nullptr) {
        timerWindow_ = new frmMain(program_);
        connect(timerWindow_, &frmMain::displayed, timerWindow_,
                [this, window = timerWindow_.data()](const QString& text) {
                    if (displayListener_) {
                        displayListener_(*window, text);
                    }
                });
    }
    timerWindow_->showForm();
    // A new border style makes a new timer window under an open settings window.
    if (settingsWindow_ != nullptr) {
        WindowEffects::current().keepAbove(*settingsWindow_, timerWindow_);
    }
}

frmSettings& FormsEngine::settingsWindow() {
    if (settingsWindow_ == nullptr) {
        settingsWindow_ = new frmSettings(program_);
    }
    return *settingsWindow_;
}

bool FormsEngine::settingsWindowLoaded() const {
    return settingsWindow_ != nullptr;
}

void FormsEngine::showSettingsWindow() {
    frmSettings& window = settingsWindow();
    if (!window.isVisible()) {
        const frmMain* timer = timerWindow_;
        openBeside(window, window.pos(),
                   timer ? std::optional{timer->outerGeometry()} : std::nullopt, timer);
        window.winId();
        WindowEffects::current().keepOutOfTaskbar(window);
    }
    window.show();
    // Above the timer window, which would otherwise cover it: a window opened for the user must
    // be usable, and the timer window stays above every other program's windows. After the
    // show, which takes the tie away.
    WindowEffects::current().keepAbove(window, timerWindow_);
    window.raise();
    WindowEffects::current().activate(window);
}

void FormsEngine::raiseDialogs() {
    if (settingsWindow_ != nullptr && settingsWindow_->isVisible()) {
        settingsWindow_->raise();
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
    }
}

void FormsEngine::showPopupMenu(QPoint globalPosition, bool fromKeyboard) {
    settingsWindow().showPopupMenu(globalPosition, fromKeyboard);
}

void FormsEngine::showAtStart(bool withSettings) {
    showTimerWindow();
    if (withSettings) {
        showSettingsWindow();
    } else if (timerWindow_ != nullptr) {
        // As the window of a program the user starts is. A window manager that does not give a
        // tool window the keyboard on its own (mutter) would mark it as demanding attention.
        timerWindow_->activate();
    }
}

void FormsEngine::setDisplayListener(std::function<void(frmMain&, const QString&)> listener) {
    displayListener_ = std::move(listener);
}

void FormsEngine::bringBackTimerWindow() {
    if (timerWindow_ == nullptr) {
        return;
    }
    timerWindow_->bringBack();
    if (settingsWindow_ != nullptr) {
        settingsWindow_->showOpacity(program_.shared.Opacity);
    }
}

void FormsEngine::storePlaceIfMoved() {
    if (timerWindow_ != nullptr) {
        timerWindow_->storePlaceIfMoved();
    }
}

void FormsEngine::endProgram() {
    // Hidden rather than closed: closing would run the windows' closing steps. What is due is
    // stored all the same: a target or opacity the user changed in a still open settings window,
    // and the place, unless the user left the window where it was placed.
    if (settingsWindow_ != nullptr) {
        settingsWindow_->hideAtEnd();
    }
    if (timerWindow_ != nullptr) {
        timerWindow_->hideAtEnd();
    }
    end_();
}

} // namespace tavrio
