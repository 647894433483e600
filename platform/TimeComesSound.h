// The sound when the time comes: the desktop's own sound for it, played once. On Linux the sound
// theme's "alarm-clock-elapsed", else "complete", else "bell", through libcanberra, the library
// the desktops play their event sounds with; it is loaded when the first sound plays, so that
// start-up and a program that never plays one pay nothing for it. On Windows, the sound the
// user's scheme gives notifications. Everything happens on a thread of its own, so the caller
// never waits, not for a slow sound server and not for the sound's end. Without a sound device, a
// sound server, the library or the sound theme, nothing plays and nothing fails.
#pragma once

namespace tavrio {

void playTimeComesSound();

} // namespace tavrio
