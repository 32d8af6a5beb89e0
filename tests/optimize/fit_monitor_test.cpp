#include "optimize/fit_monitor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

FitMonitor Fresh(double target = 0.0004, int maxIterations = 100) {
  FitMonitor monitor;
  monitor.Reset(target, maxIterations, FitMonitorSettings());
  return monitor;
}

TEST(FitMonitorTest, SmoothsBothCurvesWithTheFirstOrderFilter) {
  FitMonitor monitor = Fresh();
  const double f = std::exp(-1.0 / 5.0);
  monitor.Record(1, 0.01, 1000.0);  // -20 dB and +30 dB
  EXPECT_NEAR(monitor.SmoothedMeritDb(), (1 - f) * -20.0, 1e-12);
  EXPECT_NEAR(monitor.SmoothedDampingDb(), (1 - f) * 30.0, 1e-12);
  monitor.Record(2, 0.1, 100.0);  // -10 dB and +20 dB
  EXPECT_NEAR(monitor.SmoothedMeritDb(), (1 - f) * -10.0 + f * (1 - f) * -20.0, 1e-12);
  EXPECT_NEAR(monitor.SmoothedDampingDb(), (1 - f) * 20.0 + f * (1 - f) * 30.0, 1e-12);
  EXPECT_EQ(monitor.Records(), 2);
}

TEST(FitMonitorTest, StopRules) {
  struct Case {
    const char* name;
    int iteration;
    double merit;
    double damping;
    bool goOn;
  };
  const Case cases[] = {
      {"ordinary step", 1, 0.5, 1000.0, true},
      {"iteration limit", 100, 0.5, 1000.0, false},
      {"past the limit", 150, 0.5, 1000.0, false},
      {"below target", 1, 0.0003, 1000.0, false},
      {"at target", 1, 0.0004, 1000.0, true},
      {"damping at the ceiling", 1, 0.5, 1e10, false},
      {"damping above the ceiling", 1, 0.5, 1e11, false},
      {"damping at the floor", 1, 0.5, 1e-10, false},
      {"damping just above the floor", 1, 0.5, 1.0000000000000006e-10, true},
      {"NaN damping", 1, 0.5, std::nan(""), false},
      {"NaN merit is not below target", 1, std::nan(""), 1000.0, true},
  };
  for (const Case& c : cases) {
    FitMonitor monitor = Fresh();
    monitor.Record(c.iteration, c.merit, c.damping);
    EXPECT_EQ(monitor.ShouldContinue(), c.goOn) << c.name;
  }
}

TEST(FitMonitorTest, BothCurvesMustStagnate) {
  // Constant merit and damping (0 dB each) sit on their smoothed curves; the test
  // applies once more than five values are recorded.
  FitMonitor both = Fresh();
  for (int k = 1; k <= 5; ++k) {
    both.Record(k, 1.0, 1.0);
    EXPECT_TRUE(both.ShouldContinue()) << k;
  }
  both.Record(6, 1.0, 1.0);
  EXPECT_FALSE(both.ShouldContinue());

  // Falling by 10 dB per record, the damping runs away from its smoothed curve.
  FitMonitor meritOnly = Fresh();
  double damping = 1e4;
  for (int k = 1; k <= 12; ++k) {
    damping *= 0.1;
    meritOnly.Record(k, 1.0, damping);
    EXPECT_TRUE(meritOnly.ShouldContinue()) << k;
  }
}

TEST(FitMonitorTest, ResetForgetsEverything) {
  FitMonitor monitor = Fresh();
  for (int k = 1; k <= 6; ++k) monitor.Record(k, 1.0, 1.0);
  monitor.Reset(0.0004, 100, FitMonitorSettings());
  EXPECT_EQ(monitor.Records(), 0);
  EXPECT_EQ(monitor.SmoothedMeritDb(), 0.0);
  monitor.Record(1, 1.0, 1.0);
  EXPECT_TRUE(monitor.ShouldContinue());
}

TEST(FitMonitorTest, RecordsBeyondTheHistoryAreAbsorbed) {
  FitMonitor monitor = Fresh(0.0004, 2);
  for (int k = 0; k < 5; ++k) monitor.Record(0, 0.5, 1.0);
  EXPECT_EQ(monitor.Records(), 5);
  FitMonitor empty = Fresh(0.0004, 0);
  empty.Record(1, 0.5, 1.0);
  EXPECT_FALSE(empty.ShouldContinue());
}

}  // namespace
}  // namespace tovan
