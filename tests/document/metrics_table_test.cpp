#include "document/metrics_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace tovan {
namespace {

using ::testing::ElementsAre;

std::vector<std::vector<std::string>> Words(const std::string& table) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(table);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    lines.emplace_back(std::istream_iterator<std::string>(words),
                       std::istream_iterator<std::string>());
  }
  return lines;
}

TEST(MetricsTable, OneLinePerFigureWithUnitsAndDashesForMissingValues) {
  EyeComparison eye;
  eye.input.eyeHeight = 0.5;
  eye.output.eyeHeight = 0.25;
  eye.difference.eyeHeight = -0.25;
  eye.output.jitterPp = 1234567.0;
  eye.input.overshoot = 0.1234567;
  eye.output.averageFall2080 = 62.5;
  const auto lines = Words(MetricsTable(eye));
  ASSERT_EQ(lines.size(), 18u);  // header and 17 figures
  EXPECT_THAT(lines[0], ElementsAre("figure", "unit", "input", "output", "difference"));
  EXPECT_THAT(lines[1], ElementsAre("eyeHeight", "V", "0.5", "0.25", "-0.25"));
  EXPECT_THAT(lines[3], ElementsAre("bestPhase", "UI", "-", "-", "-"));
  EXPECT_THAT(lines[6], ElementsAre("jitterPp", "ps", "-", "1.23457e+06", "-"));
  EXPECT_THAT(lines[12], ElementsAre("overshoot", "%", "0.123457", "-", "-"));
  EXPECT_THAT(lines[17], ElementsAre("averageFall2080", "ps", "-", "62.5", "-"));
}

TEST(MetricsTable, ColumnsLineUp) {
  EyeComparison eye;
  eye.input.rise1090 = 55.3633;
  const std::string table = MetricsTable(eye);
  std::istringstream in(table);
  std::string header, line;
  std::getline(in, header);
  while (std::getline(in, line)) EXPECT_EQ(line.size(), header.size()) << line;
}

}  // namespace
}  // namespace tovan
