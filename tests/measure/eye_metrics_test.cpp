#include "measure/eye_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

namespace tovan {
namespace {

TEST(EyeMetrics, StartsUnmeasured) {
  const EyeMetrics m;
  for (const EyeMetricField& field : kEyeMetricFields) EXPECT_TRUE(std::isnan(m.*field.member)) << field.key;
}

TEST(EyeMetrics, FieldTableNamesEachFieldOnceInOrder) {
  EyeMetrics m;
  int k = 0;
  for (const EyeMetricField& field : kEyeMetricFields) m.*field.member = k++;
  const double byName[] = {m.eyeHeight, m.eyeHeightBest, m.bestPhase, m.eyeWidth, m.eyeWidthUi,
                           m.jitterPp, m.jitterRms, m.rise1090, m.fall1090, m.rise2080, m.fall2080,
                           m.overshoot, m.undershoot, m.averageRise1090, m.averageFall1090,
                           m.averageRise2080, m.averageFall2080};
  const char* keys[] = {"eyeHeight", "eyeHeightBest", "bestPhase", "eyeWidth", "eyeWidthUi",
                        "jitterPp", "jitterRms", "rise1090", "fall1090", "rise2080", "fall2080",
                        "overshoot", "undershoot", "averageRise1090", "averageFall1090",
                        "averageRise2080", "averageFall2080"};
  ASSERT_EQ(std::size(byName), kEyeMetricFields.size());
  EXPECT_EQ(sizeof(EyeMetrics), kEyeMetricFields.size() * sizeof(double));
  for (std::size_t f = 0; f < kEyeMetricFields.size(); ++f) {
    EXPECT_EQ(byName[f], static_cast<double>(f));
    EXPECT_STREQ(kEyeMetricFields[f].key, keys[f]);
  }
}

TEST(Difference, OutputMinusInputFieldByField) {
  EyeMetrics input, output;
  // Field k: input k, output 3k + 0.5, so each difference is 2k + 0.5 (all exact).
  int k = 0;
  for (const EyeMetricField& field : kEyeMetricFields) {
    input.*field.member = k;
    output.*field.member = 3 * k + 0.5;
    ++k;
  }
  const EyeMetrics d = Difference(output, input);
  k = 0;
  for (const EyeMetricField& field : kEyeMetricFields) EXPECT_EQ(d.*field.member, 2 * k++ + 0.5) << field.key;
}

TEST(Difference, UnmeasuredOnEitherSideStaysUnmeasured) {
  EyeMetrics measured;
  measured.eyeHeight = 1.0;
  measured.jitterPp = 2.0;
  EyeMetrics partial;
  partial.eyeHeight = 0.75;
  const EyeMetrics d = Difference(partial, measured);
  EXPECT_EQ(d.eyeHeight, -0.25);
  EXPECT_TRUE(std::isnan(d.jitterPp));
  EXPECT_TRUE(std::isnan(d.rise1090));
}

}  // namespace
}  // namespace tovan
