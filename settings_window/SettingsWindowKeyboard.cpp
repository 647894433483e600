#include "SettingsWindowKeyboard.h"

#include "Program.h"
#include "WindowEffects.h"
#include "frmMain.h"

#include <QApplication>
#include <QKeyEvent>

namespace tavrio {

SettingsWindowKeyboard::SettingsWindowKeyboard(QWidget& window, Program& program,
                                               CountdownState& countdown)
    : window_(window)
    , program_(program)
    , countdown_(countdown) {
    window_.installEventFilter(this);
}

void SettingsWindowKeyboard::returnTo(QWidget& control) {
    if (!window_.isVisible()) {
        return;
    }
    control.setFocus(Qt::OtherFocusReason);
    WindowEffects::current().activate(window_);
}

bool SettingsWindowKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Show: {
        const frmMain* timer = program_.forms->timerWindow(countdown_);
        openedFromTimer_ = timer != nullptr && QApplication::activeWindow() == timer;
        break;
    }
    case QEvent::Close:
        if (frmMain* timer = program_.forms->timerWindow(countdown_);
            openedFromTimer_ && timer != nullptr) {
            timer->activate();
        }
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            window_.close();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace tavrio
