#include "transfer/factored_polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "transfer/bisection_search.h"
#include "transfer/cascade.h"
#include "transfer/filter_prototypes.h"
#include "transfer/rational_function.h"

namespace tovan {
namespace {

FactoredPolynomial Roots(const std::vector<Complex>& roots, double gain) {
  ComplexVector v(static_cast<int>(roots.size()));
  for (int k = 0; k < v.length(); ++k) v[k] = roots[k];
  return FactoredPolynomial(v, gain);
}

void ExpectCoefficients(const Polynomial& p, const std::vector<double>& expected) {
  ASSERT_EQ(p.length(), static_cast<int>(expected.size()));
  for (int k = 0; k < p.length(); ++k) EXPECT_DOUBLE_EQ(p[k], expected[k]) << "coefficient " << k;
}

TEST(FromPolynomialTest, TrimsAndNormalises) {
  EXPECT_EQ(FromPolynomial(Polynomial{2, 0, 0}).length(), 0);
  EXPECT_EQ(FromPolynomial(Polynomial{2, 0, 0}).gain, 2.0);
  const FactoredPolynomial f = FromPolynomial(Polynomial{12, -10, 2, 0});
  ASSERT_EQ(f.length(), 2);
  EXPECT_EQ(f[0], (Complex{3, 0}));
  EXPECT_EQ(f[1], (Complex{2, 0}));
  EXPECT_EQ(f.gain, 2.0);
  EXPECT_EQ(FromPolynomial(Polynomial{0, 0}).gain, 0.0);
}

TEST(ExpandTest, MultipliesOutSortedFactors) {
  ExpectCoefficients(Expand(Roots({}, 3.5)), {3.5});
  ExpectCoefficients(Expand(Roots({{-1, 1}, {-1, -1}}, 1)), {2, 2, 1});
  // 2 (x - 1)(x + 2)(x - 3) = 2x^3 - 4x^2 - 10x + 12
  ExpectCoefficients(Expand(Roots({{1, 0}, {-2, 0}, {3, 0}}, 2)), {12, -10, -4, 2});
  // Adjacent pairs: exactly [g] times each factor in magnitude order.
  const Polynomial got = Expand(Roots({{-2, 0.7}, {-2, -0.7}, {0.3, 1.1}, {0.3, -1.1}}, 1.5));
  const double m1 = std::sqrt(0.3 * 0.3 + 1.1 * 1.1);
  const double m2 = std::sqrt(2.0 * 2.0 + 0.7 * 0.7);
  const Polynomial expected =
      Multiply(Multiply(Polynomial{1.5}, Polynomial{m1 * m1, -0.6, 1}), Polynomial{m2 * m2, 4, 1});
  ASSERT_EQ(got.length(), expected.length());
  for (int k = 0; k < got.length(); ++k) EXPECT_EQ(got[k], expected[k]) << k;
}

TEST(ExpandTest, PairsConjugatesThatTheSortLeftApart) {
  // |3 + 4j| = |4 + 3j| = 5 exactly, so the sort leaves [a, b, a*, b*] as given.
  // (x^2 - 6x + 25)(x^2 - 8x + 25)
  ExpectCoefficients(Expand(Roots({{3, 4}, {4, 3}, {3, -4}, {4, -3}}, 1)), {625, -350, 98, -14, 1});
}

bool HasSeparatedConjugates(ComplexVector roots) {
  SortByMagnitude(roots);
  for (int i = 0; i<roots.length(); i += std::fabs(roots[i].im)> 1e-7 ? 2 : 1)
    if (std::fabs(roots[i].im) > 1e-7 &&
        (i + 1 >= roots.length() || !(roots[i + 1] == Conjugate(roots[i]))))
      return true;
  return false;
}

TEST(ExpandTest, ElevenPoleButterworthScaledToABandwidthKeepsItsShape) {
  // The scope model at rolloff 220 dB/decade (order 11) and 8.5 GHz: the prototype's
  // -0.1 dB point sets the scaling. The poles tie in magnitude to an ulp there and
  // the sort separates conjugates.
  const Cascade prototype = MakeButterworth(1.0, 11);
  BisectionSearch search;
  search.Begin(0, prototype.MagnitudeDb(0), 8.5, prototype.MagnitudeDb(8.5), -0.1, 1e-5, 1000);
  double x = 8.5 * 0.5;
  double v = 0;
  do {
    v = prototype.MagnitudeDb(x);
  } while (search.Advance(x, v));
  const Cascade scaled = MakeButterworth(8.5 / x, 11);
  const RationalFunction product = FromCascade(scaled);
  ASSERT_TRUE(HasSeparatedConjugates(product.DenominatorFactored()));
  const RationalFunction expanded(product.NumeratorCoefficients(),
                                  product.DenominatorCoefficients());
  for (double f : {0.5, 4.0, 8.5, 12.0})
    EXPECT_NEAR(expanded.MagnitudeDb(f), scaled.MagnitudeDb(f), 1e-6) << f;
  EXPECT_NEAR(expanded.MagnitudeDb(8.5), -0.1, 1e-4);
}

}  // namespace
}  // namespace tovan
