#pragma once

#include <array>
#include <string>

#include "measure/engine_eye.h"

namespace tovan {

// The eye figures for people: a header line "figure unit input output difference",
// then one line per field of kEyeMetricFields (the average-edge figures included),
// columns padded with blanks, numbers to 6 significant digits, "-" where a figure
// has no value (NaN).
std::string MetricsTable(const EyeComparison& eye);

// The same table for any three eyes under the headings of their columns.
std::string MetricsTable(const std::array<const char*, 3>& headings, const EyeMetrics& first,
                         const EyeMetrics& second, const EyeMetrics& third);

}  // namespace tovan
