// A new border style re-creates the timer window, whose first activation reads every setting
// from the store. What the user changed in the settings window goes there first (`storeChanged`),
// the old window goes (storing its place as closing does, without ending the program), and the
// new style is stored; all of it is on disk before the new window shows, so that whatever happens
// next the change is kept whole. The target and the opacity the windows held stay in force rather
// than their stored texts (a time whose seconds the time box dropped, the opacity the tray made
// opaque).
#pragma once

#include <functional>

namespace tavrio {

struct Program;

void changeBorderStyle(Program& program, int style, const std::function<void()>& storeChanged);

} // namespace tavrio
