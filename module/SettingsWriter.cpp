#include "SettingsWriter.h"

#include <string_view>

namespace tavrio {

SettingsWriter::SettingsWriter(SettingsStore& store, Report report)
    : store_(store)
    , report_(std::move(report)) {}

bool SettingsWriter::save(Key key, std::string_view text) {
    const WriteResult result = saveSetting(store_, key, text);
    if (result.ok()) {
        failing_.erase(key);
        return true;
    }
    if (failing_.insert(key).second && report_) {
        report_(writeFailureMessage(key, result.reason()));
    }
    return false;
}

namespace {

std::string_view describe(Key key) {
    switch (key) {
    case Key::BS:
        return "the border style";
    case Key::What:
        return "the title";
    case Key::tvDate:
        return "the target date";
    case Key::tvTime:
        return "the target time";
    case Key::tvTrans:
        return "the opacity";
    case Key::tvHide:
        return "the background hiding";
    case Key::FontSize:
    case Key::FontName:
    case Key::FontColor:
    case Key::FontBold:
    case Key::FontItalic:
        return "the font";
    case Key::Left:
    case Key::Top:
        return "the window's place";
    case Key::Width:
    case Key::Height:
        return "the window's size";
    case Key::tvNotify:
    case Key::tvNotified:
        return "the notification setting";
    }
    return "a setting";
}

} // namespace

std::string writeFailureMessage(Key key, const std::string& reason) {
    return "Tavrio could not save " + std::string{describe(key)} + " (\"" +
           std::string{keyName(key)} + "\").\n\n" + reason +
           "\n\nThe change stays in effect until Tavrio ends.";
}

} // namespace tavrio
