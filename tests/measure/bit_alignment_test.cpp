#include "measure/bit_alignment.h"

#include <gtest/gtest.h>

#include <string>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

using testing::Bits;

// The pattern as it arrives `lag` cells late: bit j of the result is bit j - lag.
std::string Late(const std::string& bits, int lag) {
  const int cut = static_cast<int>(bits.size()) - lag;
  return bits.substr(cut) + bits.substr(0, cut);
}

class CellLagCases : public ::testing::TestWithParam<int> {};

TEST_P(CellLagCases, FindsHowManyCellsTheSignalLags) {
  const std::string bits = "0010111001";
  const int lag = GetParam();
  const Vector signal = testing::RampSignal({Late(bits, lag), 8, 3.0});
  EXPECT_EQ(CellLag(signal, Bits(bits), 8, 0.0), lag);
}

INSTANTIATE_TEST_SUITE_P(Lags, CellLagCases, ::testing::Values(0, 1, 2, 5, 9));

TEST(CellLag, MeasuresAboutTheThreshold) {
  // Levels 0 and 1 with threshold 0.5: a signal two cells late.
  testing::RampPattern pattern(Late("0110100", 2), 4);
  pattern.high = 1.0;
  pattern.low = 0.0;
  EXPECT_EQ(CellLag(testing::RampSignal(pattern), Bits("0110100"), 4, 0.5), 2);
}

TEST(CellLag, NoLagWhenNothingMatchesBetter) {
  EXPECT_EQ(CellLag(Vector(16, 0.6), Bits("0101"), 4, 0.0), 0);
}

TEST(DelayBits, RotatesTowardsLaterCells) {
  const IntVector bits = Bits("0011");
  const struct {
    int lag;
    const char* expected;
  } cases[] = {{0, "0011"}, {1, "1001"}, {3, "0110"}, {-1, "0110"}, {5, "1001"}};
  for (const auto& c : cases) {
    const IntVector delayed = DelayBits(bits, c.lag);
    const IntVector expected = Bits(c.expected);
    ASSERT_EQ(delayed.length(), 4);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(delayed[j], expected[j]) << c.lag << " " << j;
  }
}

}  // namespace
}  // namespace tovan
