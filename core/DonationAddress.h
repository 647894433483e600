// The address of the maker's donation page at the payment service: one fixed text, the same at
// every click, whose host and receiving account are chosen when the program is built.
#pragma once

#include <string>
#include <string_view>

namespace tavrio {

// The donation page for the account at the host. The values are written as they stand, without
// percent-encoding, so the item name keeps its blank; whoever hands the text to a browser
// encodes it.
std::string donationAddress(std::string_view host, std::string_view account);

// The donation page for this build's host and account.
std::string donationAddress();

} // namespace tavrio
