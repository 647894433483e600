#include "FormsEngine.h"

#include "Conversions.h"
#include "CountdownGroups.h"
#include "DateText.h"
#include "DialogsInReach.h"
#include "Program.h"
#include "WindowEffects.h"
#include "frmMain.h"
#include "frmSettings.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tavrio {

namespace {

// Whether any of the keys a countdown stores is in the group.
bool holdsValues(SettingsStore& store, std::string_view group) {
    return std::any_of(kCountdownKeys.begin(), kCountdownKeys.end(), [&](Key key) {
        return store.read(kAppName, group, keyName(key)).has_value();
    });
}

} // namespace

FormsEngine::FormsEngine(Program& program, std::function<void()> end)
    : program_(program)
    , end_(std::move(end)) {
    for (std::string& group : storedCountdownGroups(program_.store)) {
        countdowns_.push_back({std::make_unique<CountdownState>(std::move(group)), {}, {}});
    }
    connect(&ticker_, &SecondTicker::tick, this, [this] {
        for (const Windows& windows : countdowns_) {
            if (windows.timer != nullptr) {
                windows.timer->refreshNow();
            }
        }
    });
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

std::vector<CountdownState*> FormsEngine::countdowns() const {
    std::vector<CountdownState*> all;
    for (const Windows& windows : countdowns_) {
        all.push_back(windows.countdown.get());
    }
    return all;
}

FormsEngine::Windows* FormsEngine::windowsOf(const CountdownState& countdown) {
    return const_cast<Windows*>(std::as_const(*this).windowsOf(countdown));
}

const FormsEngine::Windows* FormsEngine::windowsOf(const CountdownState& countdown) const {
    const auto found = std::find_if(countdowns_.begin(), countdowns_.end(), [&](const Windows& w) {
        return w.countdown.get() == &countdown;
    });
    return found != countdowns_.end() ? &*found : nullptr;
}

frmMain* FormsEngine::timerWindow(CountdownState& countdown) {
    const Windows* windows = windowsOf(countdown);
    return windows != nullptr ? windows->timer : nullptr;
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
    Windows* found = windowsOf(countdown);
    if (found == nullptr) {
        return;
    }
    Windows& windows = *found;
    if (windows.timer == nullptr) {
        windows.timer = new frmMain(program_, countdown);
        connect(windows.timer, &frmMain::displayed, this,
                [this, &countdown, window = windows.timer.data()](const QString& text) {
                    emit displayed(countdown, window->windowTitle(), text);
                });
    }
    // A new border style makes a new timer window under an open settings window, which keeps the
    // keyboard and stays above it.
    if (windows.settings != nullptr && windows.settings->isVisible()) {
        WindowEffects::current().arriveWithoutActivation(*windows.timer);
    }
    windows.timer->showForm();
    if (windows.settings != nullptr) {
        keepAboveTimerWindow(*windows.settings, windows.timer);
    }
}

// The new window reads every setting from the store, where the user's changes in the settings
// window went first; what the windows held for the rest stays in force (a time the settings
// window cut to the minute, an opacity the tray made opaque).
void FormsEngine::changeBorderStyle(CountdownState& countdown, int style) {
    Windows* found = windowsOf(countdown);
    if (found == nullptr) {
        return;
    }
    Windows& windows = *found;
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
    Windows& windows = *windowsOf(countdown);
    if (windows.settings == nullptr) {
        windows.settings = new frmSettings(program_, countdown);
        windows.settings->nameCountdownInCaption(countdowns_.size() > 1);
    }
    return *windows.settings;
}

bool FormsEngine::settingsWindowLoaded(const CountdownState& countdown) const {
    const Windows* windows = windowsOf(countdown);
    return windows != nullptr && windows->settings != nullptr;
}

bool FormsEngine::settingsWindowShown(const CountdownState& countdown) const {
    const Windows* windows = windowsOf(countdown);
    return windows != nullptr && windows->settings != nullptr && windows->settings->isVisible();
}

void FormsEngine::showMovedTarget(CountdownState& countdown) {
    if (Windows* windows = windowsOf(countdown); windows != nullptr && windows->settings) {
        windows->settings->showTargetDate();
    }
}

CountdownState* FormsEngine::countdownStoredIn(const std::string& group) {
    const auto found = std::find_if(countdowns_.begin(), countdowns_.end(),
                                    [&](const Windows& w) { return w.countdown->group == group; });
    return found != countdowns_.end() ? found->countdown.get() : nullptr;
}

void FormsEngine::showSettingsWindow(CountdownState& countdown) {
    const Windows* windows = windowsOf(countdown);
    if (windows == nullptr) {
        return;
    }
    const frmMain* timer = windows->timer;
    showInReach(settingsWindow(countdown), timer,
                timer != nullptr ? std::optional{timer->outerGeometry()} : std::nullopt);
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
    if (windowsOf(countdown) != nullptr) {
        settingsWindow(countdown).showPopupMenu(globalPosition, fromKeyboard);
    }
}

void FormsEngine::newCountdown(CountdownState& from) {
    CountdownState& made = addCountdown(from, {});
    showSettingsWindow(made);
    settingsWindow(made).beginWithTheTitle();
}

bool FormsEngine::newCountdownWithTarget(CountdownState& from, const TargetArgument& target,
                                         const std::optional<QString>& title) {
    bool put = false;
    addCountdown(from, [&](CountdownState& made) { put = putTargetInForce(made, target, title); });
    return put;
}

// The list is stored before the new group holds anything: a countdown whose group is listed but
// still empty comes back empty after a crash, and one whose group is not listed never existed.
CountdownState& FormsEngine::addCountdown(CountdownState& from,
                                          const std::function<void(CountdownState&)>& prepare) {
    std::vector<std::string> listed;
    for (const Windows& windows : countdowns_) {
        listed.push_back(windows.countdown->group);
    }
    const std::string group = newCountdownGroup(
        listed, [this](std::string_view name) { return holdsValues(program_.store, name); });
    countdowns_.push_back({std::make_unique<CountdownState>(group), {}, {}});
    CountdownState& made = *countdowns_.back().countdown;
    storeCountdownList();
    copyLook(from, made);
    if (prepare) {
        prepare(made);
    }
    showTimerWindow(made);
    placeBeside(made, from);
    nameCountdownsInCaptions();
    return made;
}

bool FormsEngine::putTargetInForce(CountdownState& countdown, const TargetArgument& target,
                                   const std::optional<QString>& title) {
    Windows* windows = windowsOf(countdown);
    if (windows == nullptr) {
        return false;
    }
    countdown.TargetDate = target.TargetDate;
    countdown.TargetTime = target.TargetTime;
    program_.writer.save(countdown.group, Key::tvDate, storedDateText(target.TargetDate));
    program_.writer.save(countdown.group, Key::tvTime, storedDateText(target.TargetTime));
    if (title) {
        program_.writer.save(countdown.group, Key::What, title->toStdString());
    }
    if (windows->settings != nullptr) {
        windows->settings->showTargetSetElsewhere(title);
    }
    if (windows->timer != nullptr) {
        if (title) {
            windows->timer->setTitle(*title);
        }
        windows->timer->refreshNow();
    }
    return true;
}

// A new countdown looks like the one it was made from, as far as that one's look is stored: its
// window beside it then matches it, instead of the first start's large default.
void FormsEngine::copyLook(const CountdownState& from, const CountdownState& made) {
    for (const Key key :
         {Key::BS, Key::tvTrans, Key::tvHide, Key::FontSize, Key::FontName, Key::FontColor,
          Key::FontBold, Key::FontItalic, Key::tvChosenSize, Key::Width, Key::Height}) {
        if (const auto text = program_.store.read(kAppName, from.group, keyName(key))) {
            program_.writer.save(made.group, key, *text);
        }
    }
}

void FormsEngine::placeBeside(CountdownState& made, CountdownState& from) {
    frmMain* timer = timerWindow(made);
    const frmMain* source = timerWindow(from);
    if (timer == nullptr || source == nullptr) {
        return;
    }
    std::vector<QRect> others;
    for (const Windows& windows : countdowns_) {
        if (windows.timer != nullptr && windows.timer != timer) {
            others.push_back(windows.timer->outerGeometry());
        }
    }
    timer->placeBeside(source->outerGeometry(), others);
    // Where the program put it is where it comes back, also after a crash.
    timer->storePlaceIfMoved();
}

void FormsEngine::removeCountdown(CountdownState& countdown) {
    const Windows* windows = windowsOf(countdown);
    if (countdown.isFirst() || windows == nullptr) {
        return;
    }
    const auto found = countdowns_.begin() + (windows - countdowns_.data());
    // Its windows may be in the middle of a handler (the menu that asked): they go once it ends,
    // without their closing steps, which would store what is to be removed.
    for (QWidget* window : {static_cast<QWidget*>(found->settings.data()),
                            static_cast<QWidget*>(found->timer.data())}) {
        if (window != nullptr) {
            window->hide();
            window->deleteLater();
        }
    }
    const std::string group = countdown.group;
    retired_.push_back(std::move(found->countdown));
    countdowns_.erase(found);
    storeCountdownList();
    program_.writer.removeGroup(group);
    nameCountdownsInCaptions();
    emit countdownRemoved(group);
}

void FormsEngine::storeCountdownList() {
    std::vector<std::string> groups;
    for (auto windows = countdowns_.begin() + 1; windows != countdowns_.end(); ++windows) {
        groups.push_back(windows->countdown->group);
    }
    program_.writer.save(kSection, Key::Countdowns, countdownListText(groups));
}

void FormsEngine::nameCountdownsInCaptions() {
    for (const Windows& windows : countdowns_) {
        if (windows.settings != nullptr) {
            windows.settings->nameCountdownInCaption(countdowns_.size() > 1);
        }
    }
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

void FormsEngine::bringBackTimerWindow(CountdownState& countdown) {
    const Windows* windows = windowsOf(countdown);
    if (windows == nullptr || windows->timer == nullptr) {
        return;
    }
    windows->timer->bringBack();
    if (windows->settings != nullptr) {
        windows->settings->showOpacity(countdown.Opacity);
    }
}

void FormsEngine::bringBackTimerWindows() {
    // The first last, so that it is the one in front and active.
    for (auto windows = countdowns_.rbegin(); windows != countdowns_.rend(); ++windows) {
        bringBackTimerWindow(*windows->countdown);
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
    ticker_.stop();
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
