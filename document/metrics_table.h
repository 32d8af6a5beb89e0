#pragma once

#include <array>
#include <array>
#include <string>

#include "measure/engine_eye.h"
#include "stateye/eye_at_ber.h"

namespace tovan {

// The eye figures for people: a header line "figure unit input output difference",
// then one line per field of kEyeMetricFields (the average-edge figures included),
// columns padded with blanks, numbers to 6 significant digits, "-" where a figure
// has no value (NaN). With `statEye`, two more lines, statEyeHeight (V) and
// statEyeWidth (ps), hold the output's statistical eye figures ("-" as input and
// difference: the jitter and noise are added to the scope-affected signal only).
std::string MetricsTable(const EyeComparison& eye, const EyeAtBer* statEye = nullptr);

// The same table for any three eyes under the headings of their columns.
std::string MetricsTable(const std::array<const char*, 3>& headings, const EyeMetrics& first,
                         const EyeMetrics& second, const EyeMetrics& third);

// The same table for any three eyes under the headings of their columns.
std::string MetricsTable(const std::array<const char*, 3>& headings, const EyeMetrics& first,
                         const EyeMetrics& second, const EyeMetrics& third);

}  // namespace tovan
