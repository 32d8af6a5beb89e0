#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/sweep_spec.h"
#include "measure/engine_eye.h"
#include "stateye/eye_at_ber.h"

namespace tovan {

// One point of a sweep: the value in the option's units and the eye there.
struct SweepRow {
  double value = 0.0;
  EyeComparison eye;
  std::optional<EyeAtBer> statEye;  // the output's statistical eye, with --stat-eye
};

// The rows as CSV: the header NAME, then input_KEY, output_KEY and difference_KEY for
// each key of DocumentedEyeFields (metrics_json.h), then one line per row. Numbers as
// in number_format.h ("nan" where a figure has no value); preset and samples-per-bit
// values as whole numbers. Rows with a statistical eye (all or none) add the columns
// statEyeHeight, statEyeWidth and statBestPhase.
std::string SweepCsv(const SweptParameter& parameter, const std::vector<SweepRow>& rows);

// The rows as one compact JSON document:
// {"sweep": NAME, "rows": [{"value": v, "metrics": {"input", "output", "difference"}}, ...]}
// with the metrics objects of metrics_json.h (null where a figure has no value), and
// "statEye": {"eyeHeight", "eyeWidth", "bestPhase"} after "metrics" in rows that have one.
std::string SweepDocument(const SweptParameter& parameter, const std::vector<SweepRow>& rows);

}  // namespace tovan
