#include "TimerWindowAccessible.h"

#include "frmMain.h"

#include <QAccessibleWidget>

namespace tavrio {

namespace {

QAccessibleInterface* timerWindowAccessible(const QString&, QObject* object) {
    if (auto* window = qobject_cast<frmMain*>(object)) {
        // A top-level widget's name is its caption.
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installTimerWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(timerWindowAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace tavrio
