// Starting the timer window in a test as the program starts it, and what a test looks at.
#pragma once

#include "DisplayLabel.h"
#include "TestProgram.h"
#include "frmMain.h"

#include <QMargins>
#include <QSize>

#include <memory>

namespace tavrio::test {

// The design client area: 4680 × 1410 twips.
inline constexpr QSize kDesignClientSize{312, 94};

// The timer window's display label.
DisplayLabel* labelOf(const frmMain& window);

// A timer window a test started, with its label.
struct StartedTimerWindow {
    std::unique_ptr<frmMain> window;
    DisplayLabel* Label1;

    frmMain* operator->() const { return window.get(); }
    frmMain& operator*() const { return *window; }
    frmMain* get() const { return window.get(); }
};

// Makes the timer window for the program, shows it as the program does (its first activation
// reads the store) and waits until the platform has exposed it and the window has been placed
// in its frame. (A hidden background's mask follows from the event loop: wait for it.)
StartedTimerWindow startTimerWindow(TestProgram& test);

// How far the label reaches past each edge of the client area (negative: how far inside).
QMargins labelOverhang(const frmMain& window);

// Centred within a pixel: it reaches equally far past (or stays equally far inside) opposite
// edges.
bool labelCentred(const frmMain& window);

} // namespace tavrio::test
