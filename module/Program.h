// Everything the windows of every countdown share for the whole run: the settings store and the
// regional settings it is read with, the clock, and the windows themselves. What belongs to one
// countdown is its CountdownState. One instance lives from start to end; tests make their own.
#pragma once

#include "DateValue.h"
#include "FontSpec.h"
#include "Forms.h"
#include "RegionalSettings.h"
#include "SettingsStore.h"
#include "SettingsWriter.h"

#include <QRect>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tavrio {

struct Program {
    SettingsStore& store;
    // What the handlers store through; it tells the user about a failed write.
    SettingsWriter writer;
    RegionalSettings regional;
    // The local clock to the whole second.
    std::function<DateValue()> now;
    Forms* forms = nullptr;
    // The font dialog, modal over the given window and clear of the timer window it is for: the
    // chosen font, none when cancelled.
    std::function<std::optional<FontSpec>(QWidget& owner, const FontSpec& spec,
                                          std::optional<QRect> timerWindow)>
        chooseFont{};
    // Hands a web address to the default browser, which may or may not open it.
    std::function<void(const std::string& address)> openAddress{};
};

} // namespace tavrio
