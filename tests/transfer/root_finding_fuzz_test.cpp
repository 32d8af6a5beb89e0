#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "transfer/factored_polynomial.h"
#include "transfer/root_finding.h"
#include "transfer/transfer_test_support.h"

// Root finding and expansion on extreme but well-formed polynomials: degrees 0 to 40,
// coefficients from 1e-300 to 1e300, gains of any size, clusters of nearly equal
// roots. What is asserted, beyond "no crash and no sanitizer report":
// - always: one root per degree of the trimmed polynomial, the gain is its leading
//   coefficient, complex roots come as adjacent exact conjugates, and Expand gives one
//   coefficient more than there are roots, all finite when the roots are finite and
//   |gain| * prod(1 + |r|) stays below 1e300;
// - roots are finite whenever the monic polynomial has |p(0)| = prod |r| <= 1e70 (above
//   that the squared values in the Laguerre step overflow);
// - with roots of magnitude 1 to 10 and any gain: for degree <= 20, Expand of the
//   roots reproduces the coefficients to 1e-9 of the largest; for degree <= 12 the
//   backward error |p(r)| / sum |p_k| |r|^k is at most 1e-10 at every root. (The
//   finder stops on the absolute test |p(z)| < 1e-9, so where |p| is small over a
//   whole region, as with roots well below 1, it accepts points that are no roots;
//   above degree about 25 single roots can be far off. Only finiteness is asserted
//   there.)
// - a cluster of m <= 20 nearly equal roots around c is found within
//   (1e-9 sum |p_k| |c|^k)^(1/m) of c: how far a perturbation of the size of the
//   finder's absolute tolerance 1e-9, relative to the coefficients, moves an m-fold
//   root.
namespace tovan {
namespace {

using testing_support::Draws;

// gain * prod (x - r), multiplied out in long double complex arithmetic.
Polynomial FromRoots(const std::vector<Complex>& roots, double gain) {
  std::vector<long double> re{static_cast<long double>(gain)}, im{0.0L};
  for (const Complex& r : roots) {
    std::vector<long double> nre(re.size() + 1, 0.0L), nim(im.size() + 1, 0.0L);
    for (std::size_t k = 0; k < re.size(); ++k) {
      nre[k + 1] += re[k];
      nim[k + 1] += im[k];
      nre[k] -= re[k] * r.re - im[k] * r.im;
      nim[k] -= re[k] * r.im + im[k] * r.re;
    }
    re = nre;
    im = nim;
  }
  Polynomial p(static_cast<int>(re.size()));
  for (std::size_t k = 0; k < re.size(); ++k) p[static_cast<int>(k)] = static_cast<double>(re[k]);
  return p;
}

// Real roots and conjugate pairs with magnitudes 10^(exponent +- 0.5).
std::vector<Complex> RandomRoots(Draws& draws, int degree, double exponent) {
  std::vector<Complex> roots;
  while (static_cast<int>(roots.size()) < degree) {
    const double size = std::pow(10.0, exponent + draws.Uniform(-0.5, 0.5));
    if (degree - static_cast<int>(roots.size()) >= 2 && draws.Coin()) {
      const double angle = draws.Uniform(0.1, 1.5);
      roots.push_back({-size * std::cos(angle), size * std::sin(angle)});
      roots.push_back({-size * std::cos(angle), -size * std::sin(angle)});
    } else {
      roots.push_back({draws.Coin() ? size : -size, 0.0});
    }
  }
  return roots;
}

bool IsFinite(const Complex& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

// |p(z)| / sum |p_k| |z|^k, both by Horner in long double.
long double BackwardError(const Polynomial& p, const Complex& z) {
  long double re = 0.0L, im = 0.0L, scale = 0.0L;
  const long double size = std::hypot(static_cast<long double>(z.re), static_cast<long double>(z.im));
  for (int k = p.length() - 1; k >= 0; --k) {
    const long double next = re * z.re - im * z.im + p[k];
    im = re * z.im + im * z.re;
    re = next;
    scale = scale * size + std::fabs(static_cast<long double>(p[k]));
  }
  return scale > 0.0L ? std::hypot(re, im) / scale : 0.0L;
}

int TrimmedDegree(const Polynomial& p) {
  int length = p.length();
  while (length > 0 && p[length - 1] == 0.0) --length;
  return length > 1 ? length - 1 : 0;
}

// The structural promises, for any finite coefficients.
void ExpectWellFormedRoots(const Polynomial& p, const FactoredPolynomial& roots) {
  const int degree = TrimmedDegree(p);
  ASSERT_EQ(roots.length(), degree);
  int length = p.length();
  while (length > 0 && p[length - 1] == 0.0) --length;
  EXPECT_EQ(roots.gain, length > 0 ? p[length - 1] : 0.0);
  for (int i = 0; i < roots.length(); ++i) {
    if (!IsFinite(roots[i]) || roots[i].im == 0.0) continue;
    ASSERT_LT(i + 1, roots.length()) << "complex root " << i << " without a partner";
    EXPECT_EQ(roots[i + 1].re, roots[i].re) << i;
    EXPECT_EQ(roots[i + 1].im, -roots[i].im) << i;
    ++i;
  }
  const Polynomial expanded = Expand(roots);
  EXPECT_EQ(expanded.length(), degree + 1);
  long double bound = std::fabs(static_cast<long double>(roots.gain));
  bool finite = true;
  for (int i = 0; i < roots.length(); ++i) {
    finite = finite && IsFinite(roots[i]);
    bound *= 1.0L + std::hypot(static_cast<long double>(roots[i].re), static_cast<long double>(roots[i].im));
  }
  if (!finite || bound >= 1e300L) return;
  for (int k = 0; k < expanded.length(); ++k) EXPECT_TRUE(std::isfinite(expanded[k])) << "coefficient " << k;
}

// One test per degree, each with draws of its own, so that the slow high degrees run
// side by side.
class RootFindingFuzzDegreeTest : public testing::TestWithParam<int> {};

TEST_P(RootFindingFuzzDegreeTest, AnyFiniteCoefficientsFrom1e300To1eMinus300) {
  const int degree = GetParam();
  Draws draws(40401u + 1000u * static_cast<std::uint32_t>(degree));
  for (int trial = 0; trial < 12; ++trial) {
    Polynomial p(degree + 1);
    for (int k = 0; k <= degree; ++k) p[k] = (draws.Coin() ? 1.0 : -1.0) * std::pow(10.0, draws.Uniform(-300, 300));
    SCOPED_TRACE("trial " + std::to_string(trial));
    ExpectWellFormedRoots(p, FromPolynomial(p));
  }
}

TEST(RootFindingFuzzTest, TrailingZerosAndConstants) {
  for (const Polynomial& p : {Polynomial{}, Polynomial{0.0}, Polynomial{0.0, 0.0, 0.0}, Polynomial{1e-300},
                              Polynomial{-1e300, 0.0}, Polynomial{1e-300, 1e300, 0.0, 0.0},
                              Polynomial{0.0, 0.0, 1e-300}, Polynomial{1e300, 0.0, 0.0, 1e-300}}) {
    SCOPED_TRACE("length " + std::to_string(p.length()));
    ExpectWellFormedRoots(p, FromPolynomial(p));
  }
}

class RootFindingFuzzRootsTest : public testing::TestWithParam<int> {};

TEST_P(RootFindingFuzzRootsTest, RootsAreFiniteWhileTheirProductIsModerate) {
  const int degree = GetParam();
  Draws draws(40402u + 1000u * static_cast<std::uint32_t>(degree));
  int checked = 0;
  for (int trial = 0; trial < 30; ++trial) {
    const double exponent = draws.Uniform(-300.0 / degree, 300.0 / degree);
    const std::vector<Complex> known = RandomRoots(draws, degree, exponent);
    long double logProduct = 0.0L;
    for (const Complex& r : known) logProduct += std::log10(std::hypot(r.re, r.im));
    if (logProduct > 70.0L) continue;
    const Polynomial p = FromRoots(known, 1.0);
    const FactoredPolynomial found = FromPolynomial(p);
    SCOPED_TRACE("root sizes 1e" + std::to_string(exponent));
    ExpectWellFormedRoots(p, found);
    for (int i = 0; i < found.length(); ++i) EXPECT_TRUE(IsFinite(found[i])) << i;
    ++checked;
  }
  // About 60 % of the draws have a product below the bound; the rest are skipped.
  EXPECT_GE(checked, 10);
}

std::string DegreeName(const testing::TestParamInfo<int>& info) { return "degree" + std::to_string(info.param); }

INSTANTIATE_TEST_SUITE_P(Degrees, RootFindingFuzzDegreeTest, testing::Range(0, 41), DegreeName);
INSTANTIATE_TEST_SUITE_P(Degrees, RootFindingFuzzRootsTest, testing::Range(1, 41), DegreeName);

TEST(RootFindingFuzzTest, ModerateDegreesAreAccurateForAnyGain) {
  Draws draws(40403u);
  for (int degree = 0; degree <= 20; ++degree) {
    for (int trial = 0; trial < 20; ++trial) {
      const std::vector<Complex> known = RandomRoots(draws, degree, 0.5);
      const double gainExponent = draws.Uniform(-300, 300);
      const Polynomial p = FromRoots(known, std::pow(10.0, gainExponent));
      const FactoredPolynomial found = FromPolynomial(p);
      SCOPED_TRACE("degree " + std::to_string(degree) + ", gain 1e" + std::to_string(gainExponent));
      ExpectWellFormedRoots(p, found);
      const Polynomial expanded = Expand(found);
      double largest = 0.0;
      for (int k = 0; k < p.length(); ++k) largest = std::fmax(largest, std::fabs(p[k]));
      for (int k = 0; k < p.length(); ++k) EXPECT_LE(std::fabs(expanded.at(k) - p[k]), 1e-9 * largest) << k;
      if (degree > 12) continue;
      for (int i = 0; i < found.length(); ++i) EXPECT_LE(BackwardError(p, found[i]), 1e-10L) << "root " << i;
    }
  }
}

struct Cluster {
  std::string name;
  Complex centre;
  bool pairs;  // conjugate pairs around centre and its conjugate, else real roots
};

void PrintTo(const Cluster& c, std::ostream* os) { *os << c.name; }

class NearRepeatedRootsTest : public ::testing::TestWithParam<Cluster> {};

TEST_P(NearRepeatedRootsTest, FoundWithinTheToleranceRadius) {
  const Cluster& cluster = GetParam();
  for (int m = 2; m <= 20; ++m) {
    std::vector<Complex> known;
    for (int k = 0; k < m; ++k) {
      if (cluster.pairs) {
        known.push_back({cluster.centre.re, cluster.centre.im + 1e-7 * k});
        known.push_back({cluster.centre.re, -cluster.centre.im - 1e-7 * k});
      } else {
        known.push_back({cluster.centre.re - 1e-6 * k, 0.0});
      }
    }
    const Polynomial p = FromRoots(known, 1.0);
    const FactoredPolynomial found = FromPolynomial(p);
    SCOPED_TRACE("multiplicity " + std::to_string(m));
    ExpectWellFormedRoots(p, found);
    const double size = std::hypot(cluster.centre.re, cluster.centre.im);
    double scale = 0.0;
    for (int k = p.length() - 1; k >= 0; --k) scale = scale * size + std::fabs(p[k]);
    const double radius = std::pow(1e-9 * scale, 1.0 / m);
    for (int i = 0; i < found.length(); ++i) {
      const double above = std::hypot(found[i].re - cluster.centre.re, found[i].im - cluster.centre.im);
      const double below = std::hypot(found[i].re - cluster.centre.re, found[i].im + cluster.centre.im);
      EXPECT_LE(std::fmin(above, below), radius) << "root " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Clusters, NearRepeatedRootsTest,
                         ::testing::Values(Cluster{"RealAtMinusOne", {-1.0, 0.0}, false},
                                           Cluster{"RealAtTwo", {2.0, 0.0}, false},
                                           Cluster{"PairsAtMinusHalfPlusMinusJ", {-0.5, 1.0}, true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tovan
