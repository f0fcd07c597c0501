// Where the main frame opens.
#include "FramePlacement.h"

#include <gtest/gtest.h>

namespace {

const FrameMetrics kMetrics = {8, 16, 17, 4, 1280, 1000};
const FramePosition kDefault = {0, 0, 80 * 8 + 17 + 16, 900};

struct PlacementCase {
    const char* stored;
    FramePosition expected;
};

class FramePlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(FramePlacementTest, StoredRectangleIsUsedOnlyWhenBigEnough) {
    EXPECT_EQ(ChooseFrameRect(ParseFrameRect(GetParam().stored), kMetrics), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, FramePlacementTest,
    testing::Values(PlacementCase{"100,50,900,700", {100, 50, 900, 700}},
                    PlacementCase{"0,0,10,10", kDefault},         // 10 x 10 pixels: ignored
                    PlacementCase{"0,0,240,240", {0, 0, 240, 240}},  // exactly 30 x 15 base units
                    PlacementCase{"0,0,239,240", kDefault}, PlacementCase{"0,0,240,239", kDefault},
                    PlacementCase{"", kDefault}, PlacementCase{"1,2,3", kDefault},
                    PlacementCase{"1,2,3,4,5", kDefault}, PlacementCase{"a,b,c,d", kDefault}));

TEST(FramePlacementDefaultTest, DefaultWidthNeverExceedsTheScreen) {
    FrameMetrics narrow = kMetrics;
    narrow.screenWidth = 600;
    EXPECT_EQ(ChooseFrameRect(std::nullopt, narrow).Width(), 600);
}

TEST(FramePlacementDefaultTest, OnlyNormalAndMaximisedShowStatesAreKept) {
    EXPECT_EQ(ChooseShowCommand(1), 1);
    EXPECT_EQ(ChooseShowCommand(3), 3);
    EXPECT_EQ(ChooseShowCommand(2), 1);  // minimised is restored as normal
    EXPECT_EQ(ChooseShowCommand(0), 1);
    EXPECT_EQ(ChooseShowCommand(7), 1);
}

} // namespace
