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
    const std::string address = donationAddress();
    EXPECT_EQ(address.rfind(std::string{"https://"} + kDonationHost + "/cgi-bin/webscr?", 0), 0u)
        << address;
    EXPECT_NE(address.find(std::string{"&business="} + kDonationAccount + "&"), std::string::npos)
        << address;
    EXPECT_EQ(address, donationAddress()) << "the same text at every click";
}

} // namespace
} // namespace tavrio
