#include "ControlFit.h"

#include <QWidget>

#include <algorithm>

namespace tavrio {

namespace {

// The other controls of the window: no menus or dialogs it owns, nothing hidden.
template <typename Visit>
void forEachNeighbour(const QWidget& control, Visit visit) {
    const QWidget* window = control.parentWidget();
    for (const QObject* child : window->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (other != nullptr && other != &control && !other->isWindow() && !other->isHidden()) {
            visit(other->geometry());
        }
    }
}

} // namespace

int roomRight(const QWidget& control, int gap, int margin) {
    const QRect own = control.geometry();
    int limit = control.parentWidget()->width() - margin;
    forEachNeighbour(control, [&](const QRect& other) {
        if (other.left() > own.left() && other.top() <= own.bottom() &&
            other.bottom() >= own.top()) {
            limit = std::min(limit, other.left() - gap);
        }
    });
    return limit;
}

int roomBelow(const QWidget& control, int gap, int margin) {
    const QRect own = control.geometry();
    int limit = control.parentWidget()->height() - margin;
    forEachNeighbour(control, [&](const QRect& other) {
        if (other.top() > own.top() && other.left() <= own.right() && other.right() >= own.left()) {
            limit = std::min(limit, other.top() - gap);
        }
    });
    return limit;
}

void growToFit(QWidget& control, int gap, int margin) {
    const int room = roomRight(control, gap, margin) - control.x();
    const int wanted = std::max(control.width(), control.sizeHint().width());
    control.resize(std::min(wanted, std::max(room, control.width())), control.height());
}

} // namespace tavrio
