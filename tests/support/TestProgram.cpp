#include "TestProgram.h"

#include "RegionalSettings.h"

#include <QtGlobal>

#include <chrono>

namespace tavrio::test {

DateValue at(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    const auto value = toDateValue(std::chrono::year{year} / month / day,
                                   hours{hour} + minutes{minute} + seconds{second});
    if (!value) {
        qFatal("at(): %d-%u-%u %d:%d:%d is no date value", year, month, day, hour, minute, second);
    }
    return *value;
}

DateValue TestProgram::startTime() {
    return at(2007, 2, 7, 18);
}

TestProgram::TestProgram()
    : program{.store = store,
              .writer = SettingsWriter{store,
                                       [this](const std::string& message) {
                                           writeFailureReports.push_back(message);
                                       }},
              .regional = RegionalSettings::usEnglish(),
              .now = [this] { return clock; },
              .forms = &forms,
              .chooseFont =
                  [this](QWidget& owner, const FontSpec& spec, std::optional<QRect> keptClear) {
                      fontDialogOffers.push_back(spec);
                      fontDialogOwners.push_back(&owner);
                      fontDialogKeptClear.push_back(keptClear);
                      if (onFontDialog) {
                          onFontDialog();
                      }
                      return fontDialogAnswer;
                  },
              .openAddress =
                  [this](const std::string& address) {
                      openedAddresses.push_back(address);
                  }} {}

} // namespace tavrio::test
