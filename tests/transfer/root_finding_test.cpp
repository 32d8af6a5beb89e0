#include "transfer/root_finding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tovan {
namespace {

// The monic polynomial with the given roots, multiplied out by hand-rolled complex
// arithmetic in long double (independent of Expand).
Polynomial FromRoots(const std::vector<Complex>& roots) {
  std::vector<long double> re{1.0L}, im{0.0L};
  for (const Complex& r : roots) {
    std::vector<long double> nre(re.size() + 1, 0.0L), nim(im.size() + 1, 0.0L);
    for (size_t k = 0; k < re.size(); ++k) {
      nre[k + 1] += re[k];
      nim[k + 1] += im[k];
      nre[k] -= re[k] * r.re - im[k] * r.im;
      nim[k] -= re[k] * r.im + im[k] * r.re;
    }
    re = nre;
    im = nim;
  }
  Polynomial p(static_cast<int>(re.size()));
  for (size_t k = 0; k < re.size(); ++k) p[static_cast<int>(k)] = static_cast<double>(re[k]);
  return p;
}

// Largest distance from each expected root to the nearest found root.
double WorstMatch(const FactoredPolynomial& found, const std::vector<Complex>& expected) {
  double worst = 0;
  for (const Complex& e : expected) {
    double nearest = INFINITY;
    for (int k = 0; k < found.length(); ++k) nearest = std::min(nearest, Magnitude(found[k] - e));
    worst = std::max(worst, nearest / std::max(1.0, Magnitude(e)));
  }
  return worst;
}

TEST(ComplexSqrtTest, PrincipalBranch) {
  // sqrt(-4) = 2j (cos of the decimal pi/2 leaves a tiny real part); sqrt(2j) = 1 + j.
  EXPECT_NEAR(Magnitude(ComplexSqrt({-4, 0}) - Complex{0, 2}), 0, 1e-13);
  EXPECT_NEAR(Magnitude(ComplexSqrt({0, 2}) - Complex{1, 1}), 0, 1e-14);
  EXPECT_EQ(ComplexSqrt({0, 0}), (Complex{0, 0}));
}

struct ClosedFormCase {
  Polynomial p;
  std::vector<Complex> roots;  // in the order produced
};

TEST(FindRootsTest, ClosedFormsInTheirOrder) {
  const std::vector<ClosedFormCase> cases = {
      {Polynomial{1, 0, 1}, {{0, 1}, {0, -1}}},
      {Polynomial{2, -3, 1}, {{2, 0}, {1, 0}}},
      {Polynomial{4, 2}, {{-2, 0}}},
      // Laguerre from 0.001 finds 1 first; the quadratic left gives 3 then 2.
      {FromRoots({{1, 0}, {2, 0}, {3, 0}}), {{1, 0}, {3, 0}, {2, 0}}},
      // Nearest to the start is the pair; the linear factor left gives 3.
      {FromRoots({{-0.5, 0.5}, {-0.5, -0.5}, {3, 0}}), {{-0.5, 0.5}, {-0.5, -0.5}, {3, 0}}},
  };
  for (const ClosedFormCase& c : cases) {
    const FactoredPolynomial f = FindRoots(c.p, 1e-9, 4000);
    ASSERT_EQ(f.length(), static_cast<int>(c.roots.size()));
    EXPECT_EQ(f.gain, 0.0);
    for (int k = 0; k < f.length(); ++k) {
      EXPECT_NEAR(f[k].re, c.roots[k].re, 1e-9) << k;
      EXPECT_NEAR(f[k].im, c.roots[k].im, 1e-9) << k;
    }
  }
  EXPECT_EQ(FindRoots(Polynomial{5}, 1e-9, 4000).length(), 0);
  EXPECT_EQ(FindRoots(Polynomial(), 1e-9, 4000).length(), 0);
}

struct KnownRootsCase {
  const char* name;
  std::vector<Complex> roots;
  double accuracy;
};

TEST(FindRootsTest, RecoversKnownRoots) {
  const std::vector<KnownRootsCase> cases = {
      {"mixed", {{-1, 0}, {-2, 3}, {-2, -3}, {0.5, 0}, {-0.1, 0.2}, {-0.1, -0.2}}, 1e-8},
      {"widely spread", {{-1e-3, 0}, {-1, 0}, {-1e3, 0}, {-10, 10}, {-10, -10}}, 1e-8},
      {"repeated double", {{2, 0}, {2, 0}, {-1, 0}, {-3, 0}}, 1e-6},
      {"repeated triple", {{-1, 0}, {-1, 0}, {-1, 0}, {4, 0}}, 1e-4},
      {"degree ten",
       {{-1, 0},
        {-2, 0},
        {-3, 0},
        {-4, 0},
        {-0.5, 2},
        {-0.5, -2},
        {-1, 1},
        {-1, -1},
        {-3, 4},
        {-3, -4}},
       1e-7},
  };
  for (const KnownRootsCase& c : cases) {
    const Polynomial p = FromRoots(c.roots);
    const FactoredPolynomial f = FindRoots(p, 1e-9, 4000);
    ASSERT_EQ(f.length(), static_cast<int>(c.roots.size())) << c.name;
    EXPECT_LT(WorstMatch(f, c.roots), c.accuracy) << c.name;
    for (int k = 0; k < f.length(); ++k) {
      const int partner = k + (f[k].im > 0 ? 1 : -1);
      if (f[k].im != 0.0 && partner >= 0 && partner < f.length()) {
        EXPECT_EQ(f[partner], Conjugate(f[k])) << c.name;
      }
    }
  }
}

TEST(FindRootsTest, ExpandReturnsTheCoefficients) {
  const Polynomial p =
      FromRoots({{-1, 0}, {-2, 3}, {-2, -3}, {-0.25, 0}, {-5, 1}, {-5, -1}, {-7, 0}});
  const Polynomial scaled = Scale(p, 2.5);
  const Polynomial back = Expand(FromPolynomial(scaled));
  ASSERT_EQ(back.length(), scaled.length());
  for (int k = 0; k < back.length(); ++k)
    EXPECT_NEAR(back[k], scaled[k], 1e-9 * std::fabs(scaled[k])) << k;
}

TEST(FindRootsTest, AgreesWithTheReferenceModelToTheLastBit) {
  // The flatness fit's numerator and denominator at start-up and their roots, as the
  // independent reference model computed them (tests/data/reference/preset-0.json).
  const std::vector<std::pair<Polynomial, std::vector<Complex>>> cases = {
      {Polynomial{185484.1709885061, 140838.42172294605, 27050.07584143947, 3962.748133534301,
                  59.4853033364483, 2.0949509243763575},
       {{-1.7640659030245622, 0.0},
        {-2.6525671906878197, 4.738493877020081},
        {-2.6525671906878197, -4.738493877020081},
        {-10.66270220132768, 39.853181164859485},
        {-10.66270220132768, -39.853181164859485}}},
      {Polynomial{186313.75564255117, 140855.67944329837, 27044.946686195974, 3941.8969540833605,
                  55.09195988034794, 2.147906762871008},
       {{-1.7746039515216863, 0.0},
        {-2.662626385930624, 4.719379719792302},
        {-2.662626385930624, -4.719379719792302},
        {-9.274641315324926, 39.732841066043434},
        {-9.274641315324926, -39.732841066043434}}},
  };
  for (const auto& [p, expected] : cases) {
    const FactoredPolynomial f = FromPolynomial(p);
    ASSERT_EQ(f.length(), static_cast<int>(expected.size()));
    EXPECT_EQ(f.gain, p[p.length() - 1]);
    for (int k = 0; k < f.length(); ++k) EXPECT_EQ(f[k], expected[k]) << k;
  }
}

}  // namespace
}  // namespace tovan
