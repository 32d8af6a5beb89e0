#include "app/dialog_units.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct MulDivCase {
  int value, numerator, denominator, result;
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero) {
  const MulDivCase& c = GetParam();
  EXPECT_EQ(MulDivRounded(c.value, c.numerator, c.denominator), c.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest,
                         ::testing::Values(MulDivCase{10, 6, 4, 15}, MulDivCase{1, 6, 4, 2},
                                           MulDivCase{3, 13, 8, 5}, MulDivCase{2, 13, 8, 3},
                                           MulDivCase{-1, 6, 4, -2}, MulDivCase{1, -6, 4, -2},
                                           MulDivCase{7, 0, 4, 0}, MulDivCase{7, 6, 0, 0},
                                           MulDivCase{2000000000, 4, 8, 1000000000}));

TEST(AverageCharWidthTest, RoundsTheMeanOfTheLetters) {
  EXPECT_EQ(AverageCharWidth(52 * 6), 6);
  EXPECT_EQ(AverageCharWidth(52 * 6 + 25), 6);
  EXPECT_EQ(AverageCharWidth(52 * 6 + 26), 7);
}

TEST(DialogToPixelsTest, MapsEdgesSoAdjacentControlsStayAdjacent) {
  const DialogBaseUnits units{6, 13};  // an 8-point sans face at 96 dpi
  // The time-domain placeholder, 178, 9, 217, 144: left 178 x 6 / 4, right 395 x 6 / 4
  // = 592.5 -> 593; top 9 x 13 / 8 = 14.6 -> 15, bottom 153 x 13 / 8 = 248.6 -> 249.
  const PixelRect r = DialogToPixels({178, 9, 217, 144}, units);
  EXPECT_EQ(r.x, 267);
  EXPECT_EQ(r.y, 15);
  EXPECT_EQ(r.width, 593 - 267);
  EXPECT_EQ(r.height, 249 - 15);
  const PixelRect left = DialogToPixels({0, 0, 5, 5}, units);
  const PixelRect right = DialogToPixels({5, 5, 5, 5}, units);
  EXPECT_EQ(left.x + left.width, right.x);
  EXPECT_EQ(left.y + left.height, right.y);
}

TEST(DialogToPixelsTest, ScalesWithTheFont) {
  EXPECT_EQ(DialogXToPixels(495, {6, 13}), 743);
  EXPECT_EQ(DialogXToPixels(495, {12, 26}), 1485);
  EXPECT_EQ(DialogYToPixels(301, {6, 13}), 489);
  EXPECT_EQ(DialogYToPixels(301, {12, 26}), 978);
}

}  // namespace
}  // namespace tovan
