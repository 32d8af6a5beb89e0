#include "stateye/bit_error_ratio.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/signal_engine.h"
#include "stateye/ber_at_phase.h"
#include "stateye/normal_distribution.h"
#include "stateye/stat_eye.h"

namespace tovan {
namespace {

// The definition evaluated the slow, obvious way: the trapezoidal rule on a fine, even
// grid of the standardised random jitter out to 14 deviations, y interpolated at every
// node. It shares nothing with the method but the definition.
double BruteForceBer(const PeriodicEyeSignal& s, const StatEyeSettings& settings, double t, double v) {
  constexpr int kHalfNodes = 7000;  // finer changes the reference by less than 1e-9
  constexpr double kReach = 14.0;
  const double dz = kReach / kHalfNodes;
  long double sum = 0.0L;
  for (int j = 0; j < s.bits(); ++j) {
    for (const double impulse : {-0.5 * settings.dj, 0.5 * settings.dj}) {
      long double cell = 0.0L;
      for (int i = -kHalfNodes; i <= kHalfNodes; ++i) {
        const double z = i * dz;
        const double y = s.at(j * s.uiPs() + t + impulse + settings.rj * z);
        const double margin = s.ones[j] ? v - y : y - v;
        const double weight = (i == -kHalfNodes || i == kHalfNodes ? 0.5 : 1.0) * NormalDensity(z) * dz;
        cell += weight * NormalCdf(margin / settings.noise);
      }
      sum += 0.5L * cell;
    }
  }
  return static_cast<double>(sum / s.bits());
}

struct Point {
  double phaseUi, volts;
};

struct BruteCase {
  const char* name;
  double rj, dj, noise;  // ps, ps, V
};

// The engine's defaults at 16 samples per bit, with the case's spreads.
class AgainstBruteForce : public ::testing::TestWithParam<BruteCase> {
 protected:
  void SetUp() override {
    engine.samplesPerBit.Write(16);
    signal = EngineEyeSignal(engine);
    settings.rj = GetParam().rj;
    settings.dj = GetParam().dj;
    settings.noise = GetParam().noise;
  }

  SignalEngine engine;
  PeriodicEyeSignal signal;
  StatEyeSettings settings;
};

// Points from the eye's centre through its edges and tails to the crossings, where the
// ratio runs from below 1e-20 to near 0.5.
TEST_P(AgainstBruteForce, RelativeErrorIsSmallDownTo1e20) {
  const Point points[] = {{0.5, 0.0}, {0.5, 0.45}, {0.3, 0.2}, {0.15, 0.0}, {0.1, -0.3}, {0.02, 0.0}, {0.9, 0.5}};
  int compared = 0;
  for (const Point& p : points) {
    const double t = p.phaseUi * signal.uiPs();
    const double reference = BruteForceBer(signal, settings, t, p.volts);
    if (reference < 1e-20) continue;
    ++compared;
    const double ratio = BitErrorRatio(signal, settings, t, p.volts) / reference;
    EXPECT_NEAR(ratio, 1.0, 1e-5)
        << "phase " << p.phaseUi << " UI, " << p.volts << " V, reference " << reference;
  }
  EXPECT_GE(compared, 4);
}

// The map for drawing against the figures' evaluation at its own points: within a
// hundredth of a decade wherever the ratio is at least 1e-20.
TEST_P(AgainstBruteForce, MapIsWithinAHundredthOfADecadeDownTo1e20) {
  constexpr int kSide = 24;
  const BerMap map = ComputeBerMap(signal, settings, kSide, kSide);
  int compared = 0;
  for (int column = 0; column < kSide; ++column) {
    const BerAtPhase accurate(signal, settings, map.phaseUi(column) * signal.uiPs());
    for (int row = 0; row < kSide; ++row) {
      const double reference = accurate(map.volts(row));
      if (reference < 1e-20) continue;
      ++compared;
      EXPECT_NEAR(map.at(column, row), std::log10(reference), 0.01)
          << "phase " << map.phaseUi(column) << " UI, " << map.volts(row) << " V";
    }
  }
  EXPECT_GE(compared, kSide * kSide / 2);
}

INSTANTIATE_TEST_SUITE_P(Spreads, AgainstBruteForce,
                         ::testing::Values(BruteCase{"noise_dominated", 3.0, 0.0, 0.03},
                                           BruteCase{"jitter_dominated", 8.0, 20.0, 0.004},
                                           BruteCase{"balanced", 5.0, 10.0, 0.012}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tovan
