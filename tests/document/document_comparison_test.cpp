#include "document_comparison.h"

#include <gtest/gtest.h>

namespace tovan::cli_test {
namespace {

using Json = nlohmann::ordered_json;

TEST(FindFirstDifference, IdenticalDocumentsHaveNone) {
  const Json a =
      Json::parse(R"({"parameters":{"bitrate":3.125},"failed":false,"inputTraces":[[1.0,null]]})");
  EXPECT_FALSE(FindFirstDifference(a, a).has_value());
}

TEST(FindFirstDifference, SignOfZeroAndLastBitCount) {
  const auto zero = FindFirstDifference(Json::parse(R"({"outputTraces":[[0.5,-0.0]]})"),
                                        Json::parse(R"({"outputTraces":[[0.5,0.0]]})"));
  ASSERT_TRUE(zero.has_value());
  EXPECT_EQ(zero->path, "outputTraces[0][1]");
  EXPECT_EQ(zero->reference, "-0.0");
  EXPECT_EQ(zero->candidate, "0.0");
  const auto ulp = FindFirstDifference(
      Json::parse(R"({"failed":false,"stages":{"waveform":[0.1]}})"),
      Json::parse(R"({"failed":false,"stages":{"waveform":[0.10000000000000002]}})"));
  ASSERT_TRUE(ulp.has_value());
  EXPECT_EQ(Describe(*ulp),
            "stages.waveform[0]: reference 0.1, candidate 0.10000000000000002 (1 ulp apart)");
}

TEST(FindFirstDifference, PipelineOrderNotFileOrder) {
  // The candidate differs in the traces and in a stage; the earlier stage is the cause.
  const Json reference =
      Json::parse(R"({"inputTraces":[[1.0]],"stages":{"outputSignal":[2.0],"waveform":[3.0]}})");
  const Json candidate =
      Json::parse(R"({"inputTraces":[[9.0]],"stages":{"outputSignal":[9.0],"waveform":[9.0]}})");
  const auto difference = FindFirstDifference(reference, candidate);
  ASSERT_TRUE(difference.has_value());
  EXPECT_EQ(difference->path, "stages.waveform[0]");
}

TEST(FindFirstDifference, LengthsTypesAndMissingKeys) {
  const auto shorter = FindFirstDifference(Json::parse(R"({"waveform":[1.0,2.0]})"),
                                           Json::parse(R"({"waveform":[1.0]})"));
  ASSERT_TRUE(shorter.has_value());
  EXPECT_EQ(shorter->path, "waveform");
  EXPECT_EQ(shorter->reference, "array of 2");
  EXPECT_EQ(shorter->candidate, "array of 1");
  const auto nulled = FindFirstDifference(Json::parse(R"({"powerLaw":null})"),
                                          Json::parse(R"({"powerLaw":{"A":1.0}})"));
  ASSERT_TRUE(nulled.has_value());
  EXPECT_EQ(nulled->reference, "null");
  const auto missing = FindFirstDifference(Json::parse(R"({"failed":false,"stages":{}})"),
                                           Json::parse(R"({"failed":false})"));
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->path, "stages");
  EXPECT_EQ(missing->candidate, "(absent)");
  // An integer where a float was written loses -0.0 and is reported.
  const auto integer = FindFirstDifference(Json::parse(R"({"groupDelayCurve":[-0.0]})"),
                                           Json::parse(R"({"groupDelayCurve":[-0]})"));
  EXPECT_TRUE(integer.has_value());
}

}  // namespace
}  // namespace tovan::cli_test
