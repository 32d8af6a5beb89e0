#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "optimize/factor_refiners.h"
#include "transfer/polynomial.h"
#include "transfer/root_finding.h"

// Refiners started at a nearly multiple root, where the remainder's derivative is
// (nearly) zero and the Newton step is not finite. Asserted: whenever the refined
// factor is finite, the quotient handed on for deflation is finite too, so root
// finding can go on with it.
namespace tovan {
namespace {

bool AllFinite(const Polynomial& p) {
  for (int k = 0; k < p.length(); ++k)
    if (!std::isfinite(p[k])) return false;
  return true;
}

// prod (x - (centre - 1e-6 k)) for k < m, multiplied out in long double.
Polynomial NearlyMultipleRoot(double centre, int m) {
  std::vector<long double> c{1.0L};
  for (int k = 0; k < m; ++k) {
    const long double root = centre - 1e-6 * k;
    std::vector<long double> next(c.size() + 1, 0.0L);
    for (std::size_t i = 0; i < c.size(); ++i) {
      next[i + 1] += c[i];
      next[i] -= root * c[i];
    }
    c = next;
  }
  Polynomial p(static_cast<int>(c.size()));
  for (std::size_t i = 0; i < c.size(); ++i) p[static_cast<int>(i)] = static_cast<double>(c[i]);
  return p;
}

TEST(FactorRefinersFuzzTest, LinearQuotientIsFiniteWhenTheFactorIs) {
  for (double centre : {-1.0, 2.0, 0.5, -3.0}) {
    for (int m = 2; m <= 12; ++m) {
      SCOPED_TRACE("centre " + std::to_string(centre) + ", multiplicity " + std::to_string(m));
      const Polynomial p = NearlyMultipleRoot(centre, m);
      const Complex start = LaguerreRoot(p, {0.001, 0.0}, 1e-9, 4000);
      const LinearFactorRefiner refiner(p, start.re);
      const Complex root = refiner.Factor().at(0);
      ASSERT_TRUE(std::isfinite(root.re));
      EXPECT_EQ(refiner.Quotient().length(), m);
      EXPECT_TRUE(AllFinite(refiner.Quotient()));
    }
  }
}

TEST(FactorRefinersFuzzTest, QuadraticQuotientIsFiniteWhenTheFactorIs) {
  for (double centre : {-1.0, 2.0}) {
    for (int m = 3; m <= 12; ++m) {
      SCOPED_TRACE("centre " + std::to_string(centre) + ", multiplicity " + std::to_string(m));
      const Polynomial p = NearlyMultipleRoot(centre, m);
      const QuadraticFactorRefiner refiner(p, {centre, 1e-4});
      const FactoredPolynomial factor = refiner.Factor();
      bool finite = factor.length() == 2;
      for (int i = 0; i < factor.length(); ++i) finite = finite && std::isfinite(factor[i].re) && std::isfinite(factor[i].im);
      ASSERT_TRUE(finite);
      EXPECT_EQ(refiner.Quotient().length(), m - 1);
      EXPECT_TRUE(AllFinite(refiner.Quotient()));
    }
  }
}

}  // namespace
}  // namespace tovan
