#include "document/metrics_json.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "engine_json_expectations.h"

namespace tovan {
namespace {

using cli_test::Keys;

using ::testing::ElementsAre;

// Every field a different value, so a figure written under the wrong key shows.
EyeMetrics DistinctMetrics(double offset) {
  EyeMetrics m;
  double x = offset;
  for (const EyeMetricField& field : kEyeMetricFields) m.*field.member = (x += 0.125);
  m.jitterRms = EyeMetrics::kUnmeasured;
  return m;
}

TEST(WriteEyeMetrics, TheThirteenFiguresInTheirOrderWithNaNAsNull) {
  const EyeMetrics m = DistinctMetrics(1.0);
  JsonWriter json;
  WriteEyeMetrics(json, m);
  const auto parsed = nlohmann::ordered_json::parse(json.Text());
  EXPECT_THAT(Keys(parsed),
              ElementsAre("eyeHeight", "eyeHeightBest", "bestPhase", "eyeWidth", "eyeWidthUi",
                          "jitterPp", "jitterRms", "rise1090", "fall1090", "rise2080", "fall2080",
                          "overshoot", "undershoot"));
  EXPECT_TRUE(parsed["jitterRms"].is_null());
  EXPECT_EQ(parsed["eyeHeight"], 1.125);
  EXPECT_EQ(parsed["undershoot"], 1.0 + 13 * 0.125);
  EXPECT_TRUE(cli_test::SameEyeMetrics(nlohmann::json::parse(json.Text()), m));
}

TEST(WriteEyeComparison, InputOutputAndDifference) {
  EyeComparison eye{DistinctMetrics(0.0), DistinctMetrics(10.0), DistinctMetrics(-5.0)};
  JsonWriter json;
  WriteEyeComparison(json, eye);
  const auto parsed = nlohmann::ordered_json::parse(json.Text());
  EXPECT_THAT(Keys(parsed), ElementsAre("input", "output", "difference"));
  EXPECT_TRUE(cli_test::SameEyeComparison(nlohmann::json::parse(json.Text()), eye));
}

}  // namespace
}  // namespace tovan
