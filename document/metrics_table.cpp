#include "document/metrics_table.h"

#include <cmath>
#include <cstdio>

namespace tovan {

namespace {

// The unit of each entry of kEyeMetricFields, in its order.
constexpr std::array<const char*, kEyeMetricFields.size()> kUnits{
    "V",  "V",  "UI", "ps", "UI", "ps", "ps", "ps", "ps",
    "ps", "ps", "%",  "%",  "ps", "ps", "ps", "ps"};

std::string Figure(double x) {
  if (std::isnan(x)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", x);
  return text;
}

std::string Line(const char* figure, const char* unit, const std::string& input,
                 const std::string& output, const std::string& difference) {
  char line[160];
  std::snprintf(line, sizeof line, "%-16s %-4s %12s %12s %12s\n", figure, unit, input.c_str(),
                output.c_str(), difference.c_str());
  return line;
}

}  // namespace

std::string MetricsTable(const EyeComparison& eye, const EyeAtBer* statEye) {
  std::string table =
      MetricsTable({"input", "output", "difference"}, eye.input, eye.output, eye.difference);
  if (statEye) {
    table += Line("statEyeHeight", "V", "-", Figure(statEye->eyeHeight), "-");
    table += Line("statEyeWidth", "ps", "-", Figure(statEye->eyeWidth), "-");
  }
  return table;
}

std::string MetricsTable(const std::array<const char*, 3>& headings, const EyeMetrics& first,
                         const EyeMetrics& second, const EyeMetrics& third) {
  std::string table = Line("figure", "unit", headings[0], headings[1], headings[2]);
  for (std::size_t k = 0; k < kEyeMetricFields.size(); ++k) {
    const EyeMetricField& field = kEyeMetricFields[k];
    table += Line(field.key, kUnits[k], Figure(first.*field.member),
                  Figure(second.*field.member), Figure(third.*field.member));
  }
  return table;
}

}  // namespace tovan
