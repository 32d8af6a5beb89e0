#include "transfer/filter_prototypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "numeric/constants.h"
#include "transfer/bisection_search.h"

namespace tovan {
namespace {

const double kHalfPowerDb = 20 * std::log10(1 / std::sqrt(2.0));

TEST(ButterworthTest, LowOrdersHaveTheTextbookPoles) {
  const double w0 = 2 * M_PI * 2.0;
  EXPECT_NEAR(MakeButterworth(2.0, 1).Magnitude(2.0), 1 / std::sqrt(2.0), 1e-12);
  const FactoredPolynomial poles = MakeButterworth(2.0, 2).Section(0).DenominatorFactored();
  EXPECT_NEAR(Magnitude(poles[0] - Complex{-w0 * std::sqrt(0.5), w0 * std::sqrt(0.5)}), 0, 1e-9);
  EXPECT_EQ(poles[1], Conjugate(poles[0]));
  const Cascade third = MakeButterworth(2.0, 3);  // the pair at theta = pi/6, then the real pole
  ASSERT_EQ(third.Count(), 2);
  EXPECT_NEAR(third.Section(0).DenominatorFactored()[0].im, w0 * std::cos(M_PI / 6), 1e-9 * w0);
  EXPECT_EQ(third.Section(1).DenominatorFactored().length(), 1);
  EXPECT_EQ(MakeButterworth(2.0, 0).Count(), 0);
}

TEST(ButterworthTest, HalfPowerAtTheCornerAndMaximallyFlat) {
  const double f0 = 1.7;
  for (int n = 1; n <= 20; ++n) {
    const Cascade b = MakeButterworth(f0, n);
    EXPECT_NEAR(b.MagnitudeDb(f0), kHalfPowerDb, 1e-9) << n;
    double previous = b.Magnitude(0);
    EXPECT_NEAR(previous, 1.0, 1e-12) << n;
    for (double f = 0.05; f < 5 * f0; f += 0.05) {
      const double m = b.Magnitude(f);
      EXPECT_LE(m, previous * (1 + 1e-12)) << n << " at " << f;  // flat to rounding near DC
      // |H|^2 = 1 / (1 + (f/f0)^2n)
      EXPECT_NEAR(m, 1 / std::sqrt(1 + std::pow(f / f0, 2 * n)), 1e-9) << n << " at " << f;
      previous = m;
    }
  }
}

TEST(BesselTest, CoefficientsAndFactorial) {
  const std::vector<std::vector<double>> expected = {
      {1}, {1, 1}, {3, 3, 1}, {15, 15, 6, 1}, {105, 105, 45, 10, 1}};  // reverse Bessel tables
  for (int n = 0; n < static_cast<int>(expected.size()); ++n) {
    const Polynomial a = BesselCoefficients(n);
    ASSERT_EQ(a.length(), n + 1);
    for (int k = 0; k <= n; ++k) EXPECT_EQ(a[k], expected[n][k]) << n << "," << k;
  }
  EXPECT_EQ(Factorial(0), 1.0);
  EXPECT_EQ(Factorial(10), 3628800.0);
}

TEST(BesselTest, PrototypeCrossingTakesSixteenEvaluations) {
  const Polynomial a = BesselCoefficients(4);
  const RationalFunction prototype(Polynomial{a[0]}, a);
  const double f1 = std::pow(105 * std::sqrt(2.0), 0.25) / (2 * M_PI);
  EXPECT_NEAR(f1, 0.556, 1e-3);
  BisectionSearch search;
  search.Begin(0, prototype.MagnitudeDb(0), f1, prototype.MagnitudeDb(f1), -3, 1e-5, 1000);
  double x = f1;
  int evaluations = 0;
  double v = 0;
  do {
    v = prototype.MagnitudeDb(x);
    ++evaluations;
  } while (search.Advance(x, v));
  EXPECT_EQ(evaluations, 16);
  EXPECT_NEAR(x, 0.336, 1e-3);
}

// Largest relative departure of the group delay from its low-frequency value up to
// f_end, by central differences of the phase.
double GroupDelaySpread(const RationalFunction& h, double fEnd) {
  const double step = 1e-5;
  double tau0 = 0;
  double worst = 0;
  for (double f = 0.01 * fEnd; f <= fEnd; f += 0.01 * fEnd) {
    const Complex ratio =
        h.ResponseAt({0, kTwoPi * (f + step)}) / h.ResponseAt({0, kTwoPi * (f - step)});
    const double tau = -std::atan2(ratio.im, ratio.re) / (kTwoPi * 2 * step);
    if (tau0 == 0) tau0 = tau;
    worst = std::fmax(worst, std::fabs(tau / tau0 - 1));
  }
  return worst;
}

TEST(BesselTest, MinusThreeDbAtTheCornerWithNearlyLinearPhase) {
  for (double fc : {0.5, 1.0, 8.5}) {
    const RationalFunction bessel = MakeBessel(fc, 4);
    EXPECT_NEAR(bessel.MagnitudeDb(0), 0.0, 1e-12) << fc;
    EXPECT_NEAR(bessel.MagnitudeDb(fc), -3.0, 1e-3) << fc;
    EXPECT_LT(GroupDelaySpread(bessel, 0.5 * fc), 2e-3) << fc;
  }
  // The same measure on a Butterworth of the same order is far from flat.
  EXPECT_GT(GroupDelaySpread(FromCascade(MakeButterworth(1.0, 4)), 0.5), 0.05);
}

TEST(PrototypeProductTest, AgreesWithTheReferenceModelToTheLastBit) {
  // The scope model's filter at 6 GHz and 300 dB/decade: Bessel times the Butterworth
  // of order 15 scaled to lose 0.1 dB at 6 GHz, as the independent reference model
  // computed it (tests/data/reference/preset-0.json).
  const std::vector<double> expected = {
      3.0374396356614492e+26, 8.500710618189202e+25, 1.182722299893241e+25, 1.0864520704114312e+24,
      7.381247718986975e+22,  3.937631544575181e+21, 1.7092618547676e+20,   6.174086323508093e+18,
      1.8820638472030698e+17, 4881519483418120.0,    108116571590898.44,    2043767293562.6313,
      32823819930.2662,       443802932.29125583,    4976704.479062067,     45226.34716546061,
      321.23696619624474,     1.6794792541550159,    0.005771489251710954,  9.82510500012654e-06};
  const Cascade prototype = MakeButterworth(1.0, 15);
  BisectionSearch search;
  search.Begin(0, prototype.MagnitudeDb(0), 6.0, prototype.MagnitudeDb(6.0), -0.1, 1e-5, 1000);
  double x = 3.0;
  double v = 0;
  do {
    v = prototype.MagnitudeDb(x);
  } while (search.Advance(x, v));
  const RationalFunction filter =
      Multiply(MakeBessel(6.0, 4), FromCascade(MakeButterworth(6.0 / x, 15)));
  ASSERT_EQ(filter.NumeratorCoefficients().length(), 1);
  EXPECT_EQ(filter.NumeratorCoefficients()[0], 3.0374396356614482e+26);
  const Polynomial& denominator = filter.DenominatorCoefficients();
  ASSERT_EQ(denominator.length(), static_cast<int>(expected.size()));
  for (int k = 0; k < denominator.length(); ++k) EXPECT_EQ(denominator[k], expected[k]) << k;
}

}  // namespace
}  // namespace tovan
