#include "StartedTimerWindow.h"

#include "Control.h"

#include <QTest>

#include <cstdlib>

namespace tavrio::test {

DisplayLabel* labelOf(const frmMain& window) {
    return control<DisplayLabel>(window, "Label1");
}

StartedTimerWindow startTimerWindow(TestProgram& test) {
    auto window = std::make_unique<frmMain>(test.program, test.countdown);
    test.forms.timer = window.get();
    window->showForm();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qWarning("the timer window was not exposed");
    }
    if (!QTest::qWaitFor([&window] { return window->placementSettled(); })) {
        qWarning("the timer window was not placed in its frame");
    }
    DisplayLabel* const label = labelOf(*window);
    return {std::move(window), label};
}

QMargins labelOverhang(const frmMain& window) {
    const QRect label = labelOf(window)->geometry();
    return {-label.left(), -label.top(), label.right() - (window.width() - 1),
            label.bottom() - (window.height() - 1)};
}

bool labelCentred(const frmMain& window) {
    const QMargins overhang = labelOverhang(window);
    return std::abs(overhang.left() - overhang.right()) <= 1 &&
           std::abs(overhang.top() - overhang.bottom()) <= 1;
}

} // namespace tavrio::test
