// Texts of the program's own that more than one window shows.
#pragma once

#include "Version.h"

#include <string_view>

namespace tavrio {

// The timer window's caption is this followed by the title the user typed.
inline constexpr std::string_view kTimerCaptionPrefix = "Tavrio To ";
// The settings window's caption before the version is appended.
inline constexpr std::string_view kSettingsCaption = "Tavrio Settings";

} // namespace tavrio
