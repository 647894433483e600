#include "DonationAddress.h"

#include "Version.h"

#include <array>
#include <utility>

namespace tavrio {

std::string donationAddress(std::string_view host, std::string_view account) {
    const std::array<std::pair<std::string_view, std::string_view>, 9> query{{
        {"cmd", "_xclick"},
        {"business", account},
        {"item_name", "Tavrio Program"},
        {"no_shipping", "1"},
        {"no_note", "1"},
        {"currency_code", "USD"},
        {"tax", "0"},
        {"lc", "US"},
        {"bn", "PP-DonationsBF"},
    }};
    std::string address = "https://";
    address += host;
    address += "/cgi-bin/webscr";
    char separator = '?';
    for (const auto& [key, value] : query) {
        address += separator;
        address += key;
        address += '=';
        address += value;
        separator = '&';
    }
    return address;
}

std::string donationAddress() {
    return donationAddress(kDonationHost, kDonationAccount);
}

} // namespace tavrio
