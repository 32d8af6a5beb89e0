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

}  // namespace
}  // namespace tovan
