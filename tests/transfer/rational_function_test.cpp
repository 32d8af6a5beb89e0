#include "transfer/rational_function.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numeric/constants.h"
#include "transfer/cascade.h"

namespace tovan {
namespace {

FactoredPolynomial Roots(const std::vector<Complex>& roots, double gain) {
  ComplexVector v(static_cast<int>(roots.size()));
  for (int k = 0; k < v.length(); ++k) v[k] = roots[k];
  return FactoredPolynomial(v, gain);
}

TEST(RationalFunctionTest, FirstOrderLowPass) {
  const RationalFunction h(Polynomial{1}, Polynomial{1, 1});
  EXPECT_EQ(h.Magnitude(0), 1.0);
  EXPECT_NEAR(h.MagnitudeDb(kInverseTwoPi), 20 * std::log10(1 / std::sqrt(2.0)), 1e-12);
  const Complex v = h.ResponseAt({0, 2});  // 1 / (1 + 2j) = (1 - 2j) / 5
  EXPECT_DOUBLE_EQ(v.re, 0.2);
  EXPECT_DOUBLE_EQ(v.im, -0.4);
  ComplexVector points(2, Complex{-3, 1});
  EXPECT_EQ(h.Response(points)[1], h.ResponseAt({-3, 1}));
  EXPECT_EQ(RationalFunction(Polynomial(), Polynomial{1}).MagnitudeDb(1.0), -INFINITY);
}

TEST(RationalFunctionTest, DerivedFormsAreCachedUntilTheSideIsSet) {
  RationalFunction h(Polynomial{6, -5, 1}, Polynomial{2, 3, 1});
  EXPECT_FALSE(h.HasNumeratorFactored());
  const FactoredPolynomial& zeros = h.NumeratorFactored();
  EXPECT_EQ(&h.NumeratorFactored(), &zeros);
  EXPECT_EQ(zeros[0], (Complex{3, 0}));
  EXPECT_EQ(h.DenominatorFactored()[1], (Complex{-2, 0}));  // (s + 1)(s + 2)
  h.SetNumeratorCoefficients(Polynomial{7});
  EXPECT_FALSE(h.HasNumeratorFactored());
  EXPECT_TRUE(h.HasDenominatorFactored());
  EXPECT_DOUBLE_EQ(h.ResponseAt({0, 0}).re, 3.5);
  const RationalFunction copy = h;
  h.SetDenominatorCoefficients(Polynomial{1});
  EXPECT_EQ(copy.DenominatorCoefficients().length(), 3);
}

TEST(RationalMultiplyTest, SidesStayFactoredOnlyWhenBothOperandsHoldFactors) {
  const RationalFunction factored(Roots({{-1, 0}}, 2), Roots({{-2, 0}}, 1));
  const RationalFunction mixed =
      Multiply(factored, RationalFunction(Polynomial{3}, Polynomial{4, 1}));
  EXPECT_FALSE(mixed.HasNumeratorFactored());
  EXPECT_FALSE(mixed.HasDenominatorFactored());
  EXPECT_DOUBLE_EQ(mixed.NumeratorCoefficients()[1], 6);    // 2(s + 1) * 3
  EXPECT_DOUBLE_EQ(mixed.DenominatorCoefficients()[0], 8);  // (s + 2)(s + 4)
  const RationalFunction both = Multiply(factored, factored);
  EXPECT_FALSE(both.HasNumeratorCoefficients());
  EXPECT_EQ(both.NumeratorFactored().gain, 4.0);
  EXPECT_NEAR(both.Magnitude(0.3), std::pow(factored.Magnitude(0.3), 2), 1e-14);
}

TEST(FromCascadeTest, ConcatenatesTheSectionRoots) {
  const RationalFunction one = FromCascade(Cascade());
  EXPECT_EQ(one.NumeratorFactored().gain, 1.0);
  EXPECT_EQ(one.DenominatorFactored().length(), 0);
  EXPECT_EQ(one.Magnitude(2.5), 1.0);
  Cascade c;
  c.Resize(2);
  c.SetSection(0, RationalFunction(Roots({}, 2), Roots({{-1, 0}}, 1)));
  c.SetSection(1, RationalFunction(Polynomial{3}, Polynomial{6, 1}));
  const RationalFunction product = FromCascade(c);
  EXPECT_FALSE(product.HasNumeratorCoefficients());
  EXPECT_EQ(product.DenominatorFactored()[1], (Complex{-6, 0}));
  EXPECT_TRUE(c.Section(1).HasDenominatorFactored());
  EXPECT_NEAR(product.Magnitude(0.7), c.Magnitude(0.7), 1e-15);
}

}  // namespace
}  // namespace tovan
