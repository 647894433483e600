#include "FormsEngine.h"

#include "Conversions.h"
#include "OpenBeside.h"
#include "Program.h"
#include "WindowEffects.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tavrio {

FormsEngine::FormsEngine(Program& program, std::function<void()> end)
    : program_(program)
    , end_(std::move(end)) {
    countdowns_.push_back(
        {std::make_unique<CountdownState>(std::string(kSection)), nullptr, nullptr});
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
    for (Windows& windows : countdowns_) {
        delete windows.settings;
        delete windows.timer;
    }
}

CountdownState& FormsEngine::firstCountdown() {
    return *countdowns_.front().countdown;
}

FormsEngine::Windows& FormsEngine::windowsOf(const CountdownState& countdown) {
    return const_cast<Windows&>(std::as_const(*this).windowsOf(countdown));
}

const FormsEngine::Windows& FormsEngine::windowsOf(const CountdownState& countdown) const {
    const auto found = std::find_if(countdowns_.begin(), countdowns_.end(), [&](const Windows& w) {
        return w.countdown.get() == &countdown;
    });
    Q_ASSERT(found != countdowns_.end());
    return *found;
}

frmMain* FormsEngine::timerWindow(CountdownState& countdown) {
    return windowsOf(countdown).timer;
}

void FormsEngine::unloadTimerWindow(Windows& windows) {
    if (windows.timer == nullptr) {
        return;
    }
    frmMain* window = windows.timer;
    window->close();
    // Closing only schedules the deletion; the window must be gone before its successor comes.
    delete window;
}

void FormsEngine::showTimerWindow(CountdownState& countdown) {
    Windows& windows = windowsOf(countdown);
    if (windows.timer == nullptr) {
        windows.timer = new frmMain(program_, countdown);
        connect(windows.timer, &frmMain::displayed, windows.timer,
                [this, &countdown, window = windows.timer.data()](const QString& text) {
                    if (displayListener_) {
                        displayListener_(countdown, *window, text);
                    }
                });
    }
    windows.timer->showForm();
    // A new border style makes a new timer window under an open settings window.
    if (windows.settings != nullptr) {
        WindowEffects::current().keepAbove(*windows.settings, windows.timer);
    }
}

// The new window reads every setting from the store, where the user's changes in the settings
// window went first; what the windows held for the rest stays in force (a time the settings
// window cut to the minute, an opacity the tray made opaque).
void FormsEngine::changeBorderStyle(CountdownState& countdown, int style) {
    Windows& windows = windowsOf(countdown);
    const UpdatingScope updating(countdown);
    countdown.SettingsLoaded = false;
    const CountdownState held = countdown;
    if (windows.settings != nullptr) {
        windows.settings->storeChangedTargetAndOpacity();
    }
    unloadTimerWindow(windows);
    program_.writer.save(countdown.group, Key::BS, integerText(style));
    // The new window would read them back unwritten as well; waiting here is the one wait for the
    // disk while running.
    program_.writer.finishWrites();
    showTimerWindow(countdown);

    countdown.TargetDate = held.TargetDate;
    countdown.TargetTime = held.TargetTime;
    countdown.Opacity = held.Opacity;
    if (frmMain* timer = windows.timer) {
        timer->showTranslucency(countdown.Opacity, countdown.HideBackground);
        timer->refreshNow();
    }
}

frmSettings& FormsEngine::settingsWindow(CountdownState& countdown) {
    Windows& windows = windowsOf(countdown);
    if (windows.settings == nullptr) {
        windows.settings = new frmSettings(program_, countdown);
    }
    return *windows.settings;
}

bool FormsEngine::settingsWindowLoaded(const CountdownState& countdown) const {
    return windowsOf(countdown).settings != nullptr;
}

bool FormsEngine::settingsWindowShown(const CountdownState& countdown) const {
    const frmSettings* settings = windowsOf(countdown).settings;
    return settings != nullptr && settings->isVisible();
}

void FormsEngine::showMovedTarget(CountdownState& countdown) {
    if (frmSettings* settings = windowsOf(countdown).settings) {
        settings->showTargetDate();
    }
}

CountdownState* FormsEngine::countdownStoredIn(const std::string& group) {
    const auto found = std::find_if(countdowns_.begin(), countdowns_.end(),
                                    [&](const Windows& w) { return w.countdown->group == group; });
    return found != countdowns_.end() ? found->countdown.get() : nullptr;
}

void FormsEngine::showSettingsWindow(CountdownState& countdown) {
    frmSettings& window = settingsWindow(countdown);
    const frmMain* timer = windowsOf(countdown).timer;
    if (!window.isVisible()) {
        openBeside(window, window.pos(),
                   timer ? std::optional{timer->outerGeometry()} : std::nullopt, timer);
        window.winId();
        WindowEffects::current().keepOutOfTaskbar(window);
    }
    window.show();
    // Above the timer window, which would otherwise cover it: a window opened for the user must
    // be usable, and the timer window stays above every other program's windows. After the
    // show, which takes the tie away.
    WindowEffects::current().keepAbove(window, timer);
    window.raise();
    WindowEffects::current().activate(window);
}

void FormsEngine::raiseDialogs() {
    for (const Windows& windows : countdowns_) {
        if (windows.settings != nullptr && windows.settings->isVisible()) {
            windows.settings->raise();
        }
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
    }
}

void FormsEngine::showPopupMenu(CountdownState& countdown, QPoint globalPosition,
                                bool fromKeyboard) {
    settingsWindow(countdown).showPopupMenu(globalPosition, fromKeyboard);
}

void FormsEngine::showAtStart(bool withSettings) {
    for (Windows& windows : countdowns_) {
        showTimerWindow(*windows.countdown);
    }
    CountdownState& first = firstCountdown();
    if (withSettings) {
        showSettingsWindow(first);
    } else if (frmMain* timer = timerWindow(first)) {
        // As the window of a program the user starts is. A window manager that does not give a
        // tool window the keyboard on its own (mutter) would mark it as demanding attention.
        timer->activate();
    }
}

void FormsEngine::setDisplayListener(
    std::function<void(CountdownState&, frmMain&, const QString&)> listener) {
    displayListener_ = std::move(listener);
}

void FormsEngine::bringBackTimerWindow(CountdownState& countdown) {
    const Windows& windows = windowsOf(countdown);
    if (windows.timer == nullptr) {
        return;
    }
    windows.timer->bringBack();
    if (windows.settings != nullptr) {
        windows.settings->showOpacity(countdown.Opacity);
    }
}

void FormsEngine::storePlaceIfMoved() {
    for (const Windows& windows : countdowns_) {
        if (windows.timer != nullptr) {
            windows.timer->storePlaceIfMoved();
        }
    }
}

void FormsEngine::endProgram() {
    // Hidden rather than closed: closing would run the windows' closing steps. What is due is
    // stored all the same: a target or opacity the user changed in a still open settings window,
    // and the place, unless the user left the window where it was placed.
    for (const Windows& windows : countdowns_) {
        if (windows.settings != nullptr) {
            windows.settings->hideAtEnd();
        }
        if (windows.timer != nullptr) {
            windows.timer->hideAtEnd();
        }
    }
    end_();
}

} // namespace tavrio
