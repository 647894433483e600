#include "DonationAddress.h"

#include "Version.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrio {
namespace {

TEST(DonationAddressTest, IsTheFixedPageWithItsQueryInOrder) {
    EXPECT_EQ(donationAddress("www.paypal.com", "donate@tavrio.org"),
              "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=donate@tavrio.org"
              "&item_name=Tavrio Program&no_shipping=1&no_note=1&currency_code=USD&tax=0&lc=US"
              "&bn=PP-DonationsBF");
}

TEST(DonationAddressTest, TakesHostAndAccountAsTheyStand) {
    EXPECT_EQ(donationAddress("www.sandbox.paypal.com", "someone+gifts@example.net"),
              "https://www.sandbox.paypal.com/cgi-bin/webscr?cmd=_xclick"
              "&business=someone+gifts@example.net&item_name=Tavrio Program&no_shipping=1"
              "&no_note=1&currency_code=USD&tax=0&lc=US&bn=PP-DonationsBF");
}

TEST(DonationAddressTest, UsesTheBuildsHostAndAccount) {
    EXPECT_EQ(donationAddress(),
              std::string{"https://"} + kDonationHost +
                  "/cgi-bin/webscr?cmd=_xclick&business=" + kDonationAccount +
                  "&item_name=Tavrio Program&no_shipping=1&no_note=1&currency_code=USD&tax=0&lc=US"
                  "&bn=PP-DonationsBF");
}

} // namespace
} // namespace tavrio
