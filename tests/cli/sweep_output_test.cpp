#include "cli/sweep_output.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "engine_json_expectations.h"

namespace tovan {
namespace {

const char* const kKeys[] = {"eyeHeight", "eyeHeightBest", "bestPhase", "eyeWidth", "eyeWidthUi",
                             "jitterPp",  "jitterRms",     "rise1090",  "fall1090", "rise2080",
                             "fall2080",  "overshoot",     "undershoot"};

SweepRow Row(double value, double figure) {
  SweepRow row;
  row.value = value;
  row.eye.input.eyeHeight = figure;
  row.eye.output.eyeHeight = figure / 2;
  row.eye.difference.eyeHeight = -figure / 2;
  row.eye.output.undershoot = 3.5;
  return row;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

TEST(SweepCsv, HeaderNamesTheParameterAndEveryFigureOfEachSide) {
  const SweptParameter bandwidth{SweepKind::kBandwidth, 0, "bandwidth"};
  std::istringstream csv(SweepCsv(bandwidth, {Row(1.5, 0.75), Row(2.0, 1.0)}));
  std::string header, first, second, extra;
  std::getline(csv, header);
  std::string expected = "bandwidth";
  for (const char* side : {"input_", "output_", "difference_"})
    for (const char* key : kKeys) expected += std::string(",") + side + key;
  EXPECT_EQ(header, expected);
  ASSERT_TRUE(std::getline(csv, first) && std::getline(csv, second));
  EXPECT_FALSE(std::getline(csv, extra));
  const std::vector<std::string> fields = Fields(first);
  ASSERT_EQ(fields.size(), 1u + 3u * 13u);
  EXPECT_EQ(fields[0], "1.5");
  EXPECT_EQ(fields[1], "0.75");           // input eyeHeight
  EXPECT_EQ(fields[2], "nan");            // input eyeHeightBest: not measured
  EXPECT_EQ(fields[1 + 13], "0.375");     // output eyeHeight
  EXPECT_EQ(fields[1 + 13 + 12], "3.5");  // output undershoot
  EXPECT_EQ(fields[1 + 26], "-0.375");    // difference eyeHeight
  EXPECT_EQ(Fields(second)[0], "2.0");
}

TEST(SweepCsv, WholeNumberParametersAreWrittenAsIntegers) {
  const SweptParameter samples{SweepKind::kSamplesPerBit, 0, "samples-per-bit"};
  const std::string csv = SweepCsv(samples, {Row(16, 1.0), Row(32, 1.0)});
  EXPECT_NE(csv.find("\n16,1.0,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\n32,1.0,"), std::string::npos) << csv;
}

TEST(SweepDocument, NameAndOneObjectPerRow) {
  const SweptParameter level{SweepKind::kFlatnessLevel, 2, "flatness3"};
  const std::vector<SweepRow> rows{Row(-0.5, 0.25), Row(0.0, 0.5), Row(0.5, 1.0)};
  const auto document = nlohmann::json::parse(SweepDocument(level, rows));
  EXPECT_EQ(document.size(), 2u);
  EXPECT_EQ(document["sweep"], "flatness3");
  ASSERT_EQ(document["rows"].size(), 3u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const nlohmann::json& row = document["rows"][i];
    EXPECT_EQ(row.size(), 2u);
    EXPECT_TRUE(cli_test::SameNumber(row["value"], rows[i].value));
    EXPECT_TRUE(cli_test::SameEyeComparison(row["metrics"], rows[i].eye));
  }
}

TEST(SweepDocument, PresetValuesAreIntegers) {
  const SweptParameter preset{SweepKind::kPreset, 0, "preset"};
  const auto document = nlohmann::json::parse(SweepDocument(preset, {Row(3, 1.0)}));
  EXPECT_TRUE(document["rows"][0]["value"].is_number_integer());
  EXPECT_EQ(document["rows"][0]["value"], 3);
}

TEST(SweepDocument, NoRowsIsAnEmptyList) {
  const SweptParameter rolloff{SweepKind::kRolloff, 0, "rolloff"};
  EXPECT_EQ(SweepDocument(rolloff, {}), R"({"sweep":"rolloff","rows":[]})");
}


// With --stat-eye each row ends with the statistical eye's three figures, in both forms.
TEST(SweepOutput, StatisticalEyeFiguresFollowTheMetrics) {
  const SweptParameter bandwidth{SweepKind::kBandwidth, 0, "bandwidth"};
  SweepRow row = Row(3.0, 1.0);
  row.statEye = EyeAtBer{0.9, 250.5, 0.25};
  std::istringstream csv(SweepCsv(bandwidth, {row}));
  std::string header, line;
  std::getline(csv, header);
  std::getline(csv, line);
  EXPECT_TRUE(header.ends_with(",statEyeHeight,statEyeWidth,statBestPhase")) << header;
  EXPECT_TRUE(line.ends_with(",0.9,250.5,0.25")) << line;
  const nlohmann::json document = nlohmann::json::parse(SweepDocument(bandwidth, {row}));
  const nlohmann::json& statEye = document["rows"][0]["statEye"];
  EXPECT_EQ(statEye["eyeHeight"], 0.9);
  EXPECT_EQ(statEye["eyeWidth"], 250.5);
  EXPECT_EQ(statEye["bestPhase"], 0.25);
  EXPECT_FALSE(nlohmann::json::parse(SweepDocument(bandwidth, {Row(3.0, 1.0)}))["rows"][0].contains("statEye"));
}

}  // namespace
}  // namespace tovan
