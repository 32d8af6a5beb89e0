#include "optimize/recursive_filter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

TEST(RecursiveFilterTest, SmootherStepResponseIsOneMinusFToTheN) {
  RecursiveFilter smoother = MakeSmoother(5.0);
  const double f = std::exp(-0.2);
  for (int n = 1; n <= 20; ++n) EXPECT_NEAR(smoother.Step(1.0), 1 - std::pow(f, n), 1e-14) << n;
}

TEST(RecursiveFilterTest, ImpulseResponsesAfterNormalising) {
  RecursiveFilter fir(RationalFunction(Polynomial{1, 2, 3}, Polynomial{1}));
  for (double expected : {1.0, 2.0, 3.0, 0.0}) EXPECT_EQ(fir.Step(expected == 1.0), expected);
  // 4 / (4 - 4z^-1 + z^-2): y = x + y1 - y2/4, impulse response (n + 1) 2^-n.
  RecursiveFilter resonator(RationalFunction(Polynomial{4}, Polynomial{4, -4, 1}));
  EXPECT_EQ(resonator.Step(1), 1.0);
  for (int n = 1; n < 8; ++n) EXPECT_DOUBLE_EQ(resonator.Step(0), (n + 1) * std::ldexp(1.0, -n));
  EXPECT_EQ(RecursiveFilter(RationalFunction()).Step(3.0), 0.0);
}

}  // namespace
}  // namespace tovan
