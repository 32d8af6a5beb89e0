#include "engine/slow_root_cancellation.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

FactoredPolynomial Roots(std::initializer_list<Complex> roots, double gain) {
  FactoredPolynomial f(static_cast<int>(roots.size()));
  int k = 0;
  for (const Complex& r : roots) f[k++] = r;
  f.gain = gain;
  return f;
}

struct SlowRootCase {
  Complex root;
  bool slow;
};

class IsSlowRootTest : public ::testing::TestWithParam<SlowRootCase> {};

TEST_P(IsSlowRootTest, QualifiesDecaysSlowerThanPointThreePi) {
  EXPECT_EQ(IsSlowRoot(GetParam().root), GetParam().slow);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, IsSlowRootTest,
                         ::testing::Values(SlowRootCase{{-0.5, 0.0}, true},
                                           SlowRootCase{{-0.95, 0.0}, false},
                                           SlowRootCase{{-0.9, 3.0}, true},
                                           SlowRootCase{{0.0, 0.0}, false},
                                           SlowRootCase{{0.5, 0.0}, false},
                                           SlowRootCase{{0.5, 2.0}, true},
                                           SlowRootCase{{-5.0, 1.0}, false}));

TEST(CancelSlowRootsTest, RemovesTheNearestPartnerAndReordersByDistance) {
  FactoredPolynomial zeros = Roots({{-0.2, 0.0}, {-20.0, 0.0}}, 3.0);
  FactoredPolynomial poles = Roots({{-30.0, 0.0}, {-0.25, 0.0}, {-10.0, 0.0}}, 2.0);
  ASSERT_TRUE(CancelSlowRoots(zeros, poles));
  ASSERT_EQ(zeros.length(), 1);
  EXPECT_EQ(zeros[0].re, -20.0);
  ASSERT_EQ(poles.length(), 2);
  // Ordered by distance from the cancelled zero at -0.2.
  EXPECT_DOUBLE_EQ(poles[0].re, -10.0);
  EXPECT_DOUBLE_EQ(poles[1].re, -30.0);
  EXPECT_EQ(poles.gain, 1.0);
  EXPECT_EQ(zeros.gain, 3.0);
}

TEST(CancelSlowRootsTest, SlowPolesCancelAgainstZeros) {
  FactoredPolynomial zeros = Roots({{-5.0, 0.0}, {-40.0, 0.0}}, 1.5);
  FactoredPolynomial poles = Roots({{-0.1, 0.5}, {-0.1, -0.5}}, 1.0);
  ASSERT_TRUE(CancelSlowRoots(zeros, poles));
  EXPECT_EQ(zeros.length(), 0);
  EXPECT_EQ(poles.length(), 0);
}

TEST(CancelSlowRootsTest, ASlowRootWithNoPartnerLeftIsKept) {
  FactoredPolynomial zeros = Roots({{-0.1, 0.0}, {-0.2, 0.0}, {-0.3, 0.0}}, 1.0);
  FactoredPolynomial poles = Roots({{-0.15, 0.0}}, 1.0);
  ASSERT_TRUE(CancelSlowRoots(zeros, poles));
  EXPECT_EQ(poles.length(), 0);
  ASSERT_EQ(zeros.length(), 2);
  EXPECT_EQ(zeros[0].re, -0.2);
  EXPECT_EQ(zeros[1].re, -0.3);
}

TEST(CancelSlowRootsTest, FastRootsStayAsFitted) {
  FactoredPolynomial zeros = Roots({{-5.0, 0.0}}, 2.0);
  FactoredPolynomial poles = Roots({{-6.0, 1.0}, {-6.0, -1.0}}, 4.0);
  EXPECT_FALSE(CancelSlowRoots(zeros, poles));
  EXPECT_EQ(zeros.gain, 2.0);
  EXPECT_EQ(poles.length(), 2);
}

}  // namespace
}  // namespace tovan
