#include "measure/eye_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tovan {
namespace {

TEST(Difference, OutputMinusInputFieldByField) {
  EyeMetrics input, output;
  input.eyeHeight = 1.0;
  output.eyeHeight = 0.75;
  input.jitterPp = 0.5;
  output.jitterPp = 3.5;
  input.averageFall2080 = 40.0;
  output.averageFall2080 = 52.0;
  output.rise1090 = 60.0;  // input left unmeasured
  const EyeMetrics d = Difference(output, input);
  EXPECT_EQ(d.eyeHeight, -0.25);
  EXPECT_EQ(d.jitterPp, 3.0);
  EXPECT_EQ(d.averageFall2080, 12.0);
  EXPECT_TRUE(std::isnan(d.rise1090));
  EXPECT_TRUE(std::isnan(d.overshoot));
}

TEST(EyeMetricFields, KeysNameTheirFields) {
  EyeMetrics m;
  m.eyeHeightBest = 1.0;
  m.undershoot = 2.0;
  m.averageRise1090 = 3.0;
  int found = 0;
  for (const EyeMetricField& field : kEyeMetricFields) {
    const std::string key = field.key;
    if (key == "eyeHeightBest") found += m.*field.member == 1.0;
    if (key == "undershoot") found += m.*field.member == 2.0;
    if (key == "averageRise1090") found += m.*field.member == 3.0;
  }
  EXPECT_EQ(found, 3);
  EXPECT_EQ(sizeof(EyeMetrics), kEyeMetricFields.size() * sizeof(double));  // none left out
}

}  // namespace
}  // namespace tovan
