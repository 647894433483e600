// The settings window's group for what happens when the time comes, below the design's controls:
// the sound (chkSound), what the timer window shows after the target (cboAfter, its entries in the
// order of the stored numbers: "Congrats!!!", count up) and how the target repeats (cboRepeat:
// never, every day, every weekday, every week, every month, every year). Each list is named by its
// caption, which carries its mnemonic; Tab reaches them after the design's controls. The group
// lays itself out, so that it takes the room its language needs.
#pragma once

class QWidget;

namespace tavrio {

// Adds the group to the page below what the page holds, the page's width less its margins, and
// after its last control in the Tab order; the page grows to hold it.
void addMomentGroup(QWidget& page, QWidget& lastInTabOrder);

} // namespace tavrio
