#include "numeric/complex.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numeric/constants.h"

namespace tovan {
namespace {

struct ArgumentCase {
  Complex z;
  double expected;
};

class ArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentTest, FollowsTheRealAxisConvention) {
  EXPECT_EQ(Argument(GetParam().z), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conventions, ArgumentTest,
                         ::testing::Values(ArgumentCase{{-1.0, 0.0}, 3.14159265358979},
                                           ArgumentCase{{0.0, 0.0}, 3.14159265358979},
                                           ArgumentCase{{-0.0, 0.0}, 3.14159265358979},
                                           ArgumentCase{{1.0, 0.0}, 0.0},
                                           ArgumentCase{{0.0, 1.0}, std::atan2(1.0, 0.0)},
                                           ArgumentCase{{-1.0, -1e-300}, std::atan2(-1e-300, -1.0)}));

TEST(ComplexTest, ArgumentUsesTheDecimalPiNotTheFullOne) {
  EXPECT_NE(Argument({-2.0, 0.0}), M_PI);
}

TEST(ComplexTest, MagnitudeOfARealValueIsExact) {
  EXPECT_EQ(Magnitude({-2.0, 0.0}), 2.0);
  EXPECT_EQ(Magnitude({3.0, 4.0}), 5.0);
  Complex z{-7.5, 0.0};
  EXPECT_EQ(MagnitudeInPlace(z), 7.5);
  EXPECT_EQ(z.re, 7.5);
  EXPECT_EQ(z.im, 0.0);
}

TEST(ComplexTest, ArithmeticMatchesTheTextbookFormulas) {
  const Complex a{1.5, -2.25}, b{-0.75, 4.0};
  const Complex product = a * b;
  EXPECT_EQ(product.re, 1.5 * -0.75 - (-2.25) * 4.0);
  EXPECT_EQ(product.im, -2.25 * -0.75 + 1.5 * 4.0);
  const Complex sum = a + b, difference = a - b;
  EXPECT_EQ(sum.re, 0.75);
  EXPECT_EQ(difference.im, -6.25);
  const Complex back = (a * b) / b;
  EXPECT_NEAR(back.re, a.re, 1e-15);
  EXPECT_NEAR(back.im, a.im, 1e-15);
}

TEST(ComplexTest, QuotientOfAValueByItselfIsExactlyReal) {
  for (const Complex z : {Complex{0.3, 0.7}, Complex{-1e5, 3.3}, Complex{2.0, -1e-3}}) {
    EXPECT_EQ((z / z).im, 0.0);
    EXPECT_NEAR((z / z).re, 1.0, 1e-15);
  }
}

TEST(ComplexTest, DivisionByZeroGivesNonFiniteValues) {
  const Complex q = Complex{1.0, 1.0} / Complex{0.0, 0.0};
  EXPECT_FALSE(std::isfinite(q.re));
}

TEST(ComplexTest, ExponentialOfImaginaryValuesHasUnitMagnitude) {
  EXPECT_EQ(Exp({0.0, 0.0}), (Complex{1.0, 0.0}));
  for (double theta : {0.1, 1.0, 3.0, -2.5, 100.0})
    EXPECT_NEAR(Magnitude(Exp({0.0, theta})), 1.0, 1e-15);
  const Complex e = Exp({1.0, kPi / 2});
  EXPECT_NEAR(e.re, 0.0, 1e-14);
  EXPECT_NEAR(e.im, std::exp(1.0), 1e-14);
}

}  // namespace
}  // namespace tovan
