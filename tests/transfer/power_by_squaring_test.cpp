#include "transfer/power_by_squaring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

namespace tovan {
namespace {

TEST(PowerBySquaringTest, ExactPowersMatchRepeatedMultiplication) {
  struct Case {
    double x;
    int k;
  };
  // Bases whose powers are exact in double, so every grouping gives the same value.
  for (const Case c : {Case{2, 0}, Case{2, 1}, Case{2, 7}, Case{2, 30}, Case{3, 5}, Case{-2, 9}, Case{0.5, 12},
                       Case{10, 15}, Case{0, 3}}) {
    double product = 1;
    for (int i = 0; i < c.k; ++i) product *= c.x;
    EXPECT_EQ(PowerBySquaring(c.x, c.k), product) << c.x << "^" << c.k;
  }
}

TEST(PowerBySquaringTest, NegativeExponentsGiveReciprocals) {
  EXPECT_EQ(PowerBySquaring(2, -3), 0.125);
  EXPECT_EQ(PowerBySquaring(4, -1), 0.25);
  EXPECT_EQ(PowerBySquaring(2, INT_MIN), 0.0);  // underflows rather than overflowing the exponent
  EXPECT_TRUE(std::isinf(PowerBySquaring(0, -2)));
}

TEST(IntegerPowerBySquaringTest, PowersOfTwoAndTen) {
  for (int k = 0; k <= 62; ++k) EXPECT_EQ(IntegerPowerBySquaring(2, k), std::int64_t{1} << k) << k;
  EXPECT_EQ(IntegerPowerBySquaring(10, 18), 1000000000000000000LL);
  EXPECT_EQ(IntegerPowerBySquaring(7, -2), 1);
}

}  // namespace
}  // namespace tovan
