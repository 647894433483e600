#include "TimeComesSound.h"

#include <system_error>
#include <thread>
// PlaySound: windows.h brings in mmsystem.h, which needs what windows.h declares before it.
#include <windows.h>

namespace tavrio {

void playTimeComesSound() {
    try {
        // The scheme's notification sound, to its end, on a thread of its own: opening the sound
        // device can take a while. A scheme without it, or no device, plays nothing.
        std::thread([] {
            static_cast<void>(
                PlaySoundW(L"Notification.Default", nullptr, SND_ALIAS | SND_SYNC | SND_NODEFAULT));
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: no sound.
    }
}

} // namespace tavrio
