#include "TimerWindowInput.h"

#include "CountdownState.h"
#include "Program.h"
#include "TimerWindowPlacement.h"

#include <QWidget>

namespace tavrio {

TimerWindowInput::TimerWindowInput(QWidget& window, TimerWindowPlacement& placement,
                                   Program& program, CountdownState& countdown)
    : window_(window)
    , placement_(placement)
    , program_(program)
    , countdown_(countdown) {}

void TimerWindowInput::press(Qt::MouseButton button, QPoint globalPosition) {
    if (button == Qt::RightButton) {
        program_.forms->showPopupMenu(countdown_, globalPosition, false);
    } else if (button == Qt::LeftButton) {
        dragOffset_ = globalPosition - window_.frameGeometry().topLeft();
    }
}

void TimerWindowInput::pointerMoved(Qt::MouseButtons buttons, QPoint globalPosition) {
    if (dragOffset_ && buttons.testFlag(Qt::LeftButton)) {
        placement_.noteUserDrag();
        window_.move(globalPosition - *dragOffset_);
    }
}

void TimerWindowInput::release(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        dragOffset_.reset();
    }
}

void TimerWindowInput::doubleClick() {
    program_.forms->showSettingsWindow(countdown_);
}

bool TimerWindowInput::keyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const int step = shift ? 10 : 1;
    QPoint by;
    switch (key) {
    case Qt::Key_F10:
        if (!shift) {
            return false;
        }
        [[fallthrough]];
    case Qt::Key_Menu:
        program_.forms->showPopupMenu(countdown_, window_.mapToGlobal(window_.rect().center()),
                                      true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        doubleClick();
        return true;
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    default:
        return false;
    }
    placement_.noteUserDrag();
    window_.move(window_.pos() + by);
    return true;
}

} // namespace tavrio
