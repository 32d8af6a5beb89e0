#include "optimize/factor_refiners.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

// (x^2 + 2x + 5)(x - 3)(x + 0.5) = x^4 - 0.5 x^3 - 1.5 x^2 - 15.5 x - 7.5
const Polynomial kQuartic{-7.5, -15.5, -1.5, -0.5, 1};

TEST(QuadraticFactorRefinerTest, AnExactFactorNeedsOneStep) {
  // The pair -1 +- 2j of x^2 + 2x + 5 divides exactly: merit 0 at once.
  const QuadraticFactorRefiner refiner(kQuartic, {-1, 2});
  EXPECT_EQ(refiner.LastMerit(), 0.0);
  EXPECT_EQ(refiner.IterationCount(), 1);
  const FactoredPolynomial pair = refiner.Factor();
  ASSERT_EQ(pair.length(), 2);
  EXPECT_EQ(pair[0], (Complex{-1, 2}));
  EXPECT_EQ(pair[1], (Complex{-1, -2}));
  const Polynomial q = refiner.Quotient();  // (x - 3)(x + 0.5) = x^2 - 2.5x - 1.5
  ASSERT_EQ(q.length(), 3);
  EXPECT_EQ(q[0], -1.5);
  EXPECT_EQ(q[1], -2.5);
}

TEST(QuadraticFactorRefinerTest, PolishesAnEstimate) {
  const QuadraticFactorRefiner refiner(kQuartic, {-0.9, 2.2});
  EXPECT_NEAR(Magnitude(refiner.Factor()[0] - Complex{-1, 2}), 0, 1e-12);
  EXPECT_NEAR(refiner.Quotient()[1], -2.5, 1e-12);
}

TEST(QuadraticFactorRefinerTest, JacobianMatchesDifferencesOfTheRemainder) {
  QuadraticFactorRefiner refiner(kQuartic, {-1, 2});
  Vector at(2);
  at[0] = 4.0;
  at[1] = 1.5;
  const double h = 1e-6;
  for (int j = 0; j < 2; ++j) {
    Vector up = at, down = at;
    up[j] += h;
    down[j] -= h;
    for (int i = 0; i < 2; ++i) {
      const double difference = (refiner.Residual(i, up) - refiner.Residual(i, down)) / (2 * h);
      EXPECT_NEAR(refiner.Jacobian(i, j, at), difference, 1e-6) << i << "," << j;
    }
  }
}

TEST(LinearFactorRefinerTest, PolishesARealRoot) {
  const LinearFactorRefiner refiner(kQuartic, 2.9);
  const FactoredPolynomial root = refiner.Factor();
  ASSERT_EQ(root.length(), 1);
  EXPECT_NEAR(root[0].re, 3, 1e-12);
  // Quotient (x^2 + 2x + 5)(x + 0.5) = x^3 + 2.5x^2 + 6x + 2.5
  const Polynomial q = refiner.Quotient();
  ASSERT_EQ(q.length(), 4);
  EXPECT_NEAR(q[0], 2.5, 1e-11);
  EXPECT_NEAR(q[2], 2.5, 1e-11);
}

}  // namespace
}  // namespace tovan
