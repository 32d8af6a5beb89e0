#include "measure/eye_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace tovan {
namespace {

TEST(EyeMetrics, StartsUnmeasured) {
  const EyeMetrics m;
  for (const EyeMetricField& field : kEyeMetricFields) EXPECT_TRUE(std::isnan(m.*field.member)) << field.key;
}

TEST(EyeMetrics, FieldTableNamesEveryFieldOnce) {
  std::set<std::string> keys;
  std::set<double EyeMetrics::*> members;
  for (const EyeMetricField& field : kEyeMetricFields) {
    keys.insert(field.key);
    members.insert(field.member);
  }
  EXPECT_EQ(keys.size(), kEyeMetricFields.size());
  EXPECT_EQ(members.size(), kEyeMetricFields.size());
  EXPECT_EQ(sizeof(EyeMetrics), kEyeMetricFields.size() * sizeof(double));
  for (const char* key : {"eyeHeight", "eyeHeightBest", "bestPhase", "eyeWidth", "eyeWidthUi", "jitterPp",
                          "jitterRms", "rise1090", "fall1090", "rise2080", "fall2080", "overshoot",
                          "undershoot"})
    EXPECT_EQ(keys.count(key), 1u) << key;
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
