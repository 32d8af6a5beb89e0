#include "optimize/convergence_monitor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

TEST(ConvergenceMonitorTest, StopsBelowTargetAtZeroAndAtTheLimit) {
  ConvergenceMonitor m(0.01, 10, 5, 2.5);
  m.Record(1, 0.5);
  EXPECT_TRUE(m.ShouldContinue());
  m.Record(2, 0.009);
  EXPECT_FALSE(m.ShouldContinue());
  m.Reset(0.0, 10, 5, 2.5);
  m.Record(1, 0.0);
  EXPECT_FALSE(m.ShouldContinue());
  m.Reset(0.0, 10, 5, 2.5);
  m.Record(10, 1e3);
  EXPECT_FALSE(m.ShouldContinue());
  m.Reset(0.01, 10, 0, 2.5);
  m.Record(1, NAN);  // every comparison with NaN fails
  EXPECT_TRUE(m.ShouldContinue());
}

TEST(ConvergenceMonitorTest, SmoothsTheDecibelValues) {
  // y_k = (1 - f) x_k + f y_{k-1} with f = exp(-1/5), on 10 log10(100) = 20 dB.
  ConvergenceMonitor m(0.0, 2, 5, 2.5);
  const double f = std::exp(-0.2);
  m.Record(1, 100.0);
  m.Record(2, 100.0);
  EXPECT_NEAR(m.SmoothedDb(), (1 - f) * 20 * (1 + f), 1e-12);
  m.Record(3, 100.0);  // past the history's end: absorbed
  EXPECT_EQ(m.Records(), 3);
}

TEST(ConvergenceMonitorTest, AConstantValueStagnatesAtTheSixthRecord) {
  // At 0 dB the smoothed curve sits at 0 too: the test fires once 6 > 5 values exist.
  ConvergenceMonitor m(0.0, 100, 5, 2.5);
  for (int k = 1; k <= 5; ++k) {
    m.Record(k, 1.0);
    EXPECT_TRUE(m.ShouldContinue()) << k;
  }
  m.Record(6, 1.0);
  EXPECT_FALSE(m.ShouldContinue());
}

}  // namespace
}  // namespace tovan
