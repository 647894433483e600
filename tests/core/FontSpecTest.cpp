#include "FontSpec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>

namespace tavrio {
namespace {

struct WholePointsCase {
    double points;
    std::optional<std::int16_t> expected;
};

std::ostream& operator<<(std::ostream& out, const WholePointsCase& c) {
    return out << c.points << " pt";
}

class WholePointsTest : public testing::TestWithParam<WholePointsCase> {};

TEST_P(WholePointsTest, RoundsHalfToEven) {
    EXPECT_EQ(wholePoints(GetParam().points), GetParam().expected) << GetParam().points;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, WholePointsTest,
    testing::Values(WholePointsCase{10.5, 10}, WholePointsCase{11.5, 12}, WholePointsCase{12.5, 12},
                    WholePointsCase{15.75, 16}, WholePointsCase{8.25, 8}, WholePointsCase{72.0, 72},
                    WholePointsCase{-2.5, -2}, WholePointsCase{10.4999, 10},
                    WholePointsCase{10.5001, 11}, WholePointsCase{32767.4, 32767},
                    WholePointsCase{32767.5, std::nullopt}, WholePointsCase{-32768.5, -32768},
                    WholePointsCase{-32769.0, std::nullopt},
                    WholePointsCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                    WholePointsCase{std::numeric_limits<double>::infinity(), std::nullopt}));

TEST(BoldWeightTest, OnlyWeightsAboveRegularAreBold) {
    struct Case {
        int weight;
        bool bold;
    };
    for (const Case c : {Case{100, false}, Case{300, false}, Case{400, false}, Case{401, true},
                         Case{500, true}, Case{600, true}, Case{700, true}, Case{900, true}}) {
        EXPECT_EQ(isBoldWeight(c.weight), c.bold) << c.weight;
    }
}

} // namespace
} // namespace tavrio
