#include "transfer/polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tovan {
namespace {

void ExpectCoefficients(const Polynomial& p, const std::vector<double>& expected) {
  ASSERT_EQ(p.length(), static_cast<int>(expected.size()));
  for (int k = 0; k < p.length(); ++k) EXPECT_DOUBLE_EQ(p[k], expected[k]) << "coefficient " << k;
}

TEST(PolynomialTest, EvaluateReadsZeroPastTheEnd) {
  const Polynomial p{0.5, -1.25, 2.0, 0.75};
  EXPECT_EQ(p.at(7), 0.0);
  for (double x : {-2.0, 0.0, 3.0})
    EXPECT_NEAR(Evaluate(p, x), 0.5 - 1.25 * x + 2 * x * x + 0.75 * x * x * x, 1e-12);
  EXPECT_EQ(Evaluate(Polynomial(), 2.0), 0.0);
  // 1 + 2j + 3j^2 + 4j^3 = -2 - 2j
  EXPECT_EQ(Evaluate(Polynomial{1, 2, 3, 4}, Complex{0, 1}), (Complex{-2, -2}));
}

TEST(PolynomialTest, DerivativeAddAndTrim) {
  ExpectCoefficients(Derivative(Polynomial{7}), {0});
  ExpectCoefficients(Derivative(Polynomial()), {0});
  ExpectCoefficients(Derivative(Polynomial{1, 1, 1, 1}), {1, 2, 3});
  ExpectCoefficients(Add(Polynomial{1, 2}, Polynomial{10, 20, 30}), {11, 22, 30});
  ExpectCoefficients(Subtract(Polynomial{1, 2}, Polynomial{1, 1, 1}), {0, 1, -1});
  Polynomial p{2, 4, 0, 0};
  Trim(p);
  ScaleArgument(p, 3);  // 2 + 4 (3x)
  ExpectCoefficients(p, {2, 12});
  Polynomial zero{0, 0};
  Trim(zero);
  EXPECT_EQ(zero.length(), 0);
}

TEST(PolynomialTest, MultiplyIsTheProductAccumulatedFromTheTop) {
  // (1 + 2x)(3 + x + x^2) = 3 + 7x + 3x^2 + 2x^3
  ExpectCoefficients(Multiply(Polynomial{1, 2}, Polynomial{3, 1, 1}), {3, 7, 3, 2});
  EXPECT_EQ(Multiply(Polynomial(), Polynomial()).length(), 0);
  // Element 2 gathers 1 (i = 2), then 1e-16 twice: each is lost against 1 in this
  // order, while the bottom-up order would keep their sum.
  EXPECT_EQ(Multiply(Polynomial{1e-16, 1e-16, 1}, Polynomial{1, 1, 1})[2], 1.0);
  EXPECT_NE(1e-16 + 1e-16 + 1.0, 1.0);
}

TEST(DivRemTest, QuotientAndFullLengthRemainder) {
  const PolynomialDivision exact = DivRem(Polynomial{1, 2, 1}, Polynomial{1, 1});
  ExpectCoefficients(exact.quotient, {1, 1});
  ExpectCoefficients(exact.remainder, {0, 0, 0});
  const PolynomialDivision longer = DivRem(Polynomial{1, 2}, Polynomial{1, 2, 3});
  EXPECT_EQ(longer.quotient.length(), 0);
  ExpectCoefficients(longer.remainder, {1, 2});
  // (x^4 + 2x^3 - 3x + 5) / (2x^2 + 1) = x^2/2 + x - 1/4, remainder -4x + 21/4.
  Polynomial a{5, -3, 0, 2, 1};
  const PolynomialDivision d = DivRem(a, Polynomial{1, 0, 2});
  EXPECT_DOUBLE_EQ(d.remainder[0], 5.25);
  EXPECT_DOUBLE_EQ(d.remainder[1], -4.0);
  Deflate(a, Polynomial{1, 0, 2});
  ExpectCoefficients(a, {-0.25, 1, 0.5});
  EXPECT_FALSE(std::isfinite(DivRem(Polynomial{1, 2}, Polynomial()).quotient[2]));
}

}  // namespace
}  // namespace tovan
