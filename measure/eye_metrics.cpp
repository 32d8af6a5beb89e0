#include "measure/eye_metrics.h"

namespace tovan {

EyeMetrics Difference(const EyeMetrics& output, const EyeMetrics& input) {
  EyeMetrics difference;
  for (const EyeMetricField& field : kEyeMetricFields)
    difference.*field.member = output.*field.member - input.*field.member;
  return difference;
}

}  // namespace tovan
