#pragma once

#include <array>
#include <limits>

namespace tovan {

// The figures of merit of one eye (see measure/measure_eye.h for their definitions).
// Every field is NaN until measured, and stays NaN when the trace gives no answer.
struct EyeMetrics {
  static constexpr double kUnmeasured = std::numeric_limits<double>::quiet_NaN();

  double eyeHeight = kUnmeasured;      // V, at the cell centre
  double eyeHeightBest = kUnmeasured;  // V, at bestPhase
  double bestPhase = kUnmeasured;      // UI from the cell start
  double eyeWidth = kUnmeasured;       // ps
  double eyeWidthUi = kUnmeasured;     // UI
  double jitterPp = kUnmeasured;       // ps
  double jitterRms = kUnmeasured;      // ps
  double rise1090 = kUnmeasured;       // ps, isolated edges
  double fall1090 = kUnmeasured;
  double rise2080 = kUnmeasured;
  double fall2080 = kUnmeasured;
  double overshoot = kUnmeasured;      // % of the swing
  double undershoot = kUnmeasured;
  double averageRise1090 = kUnmeasured;  // ps, average edges
  double averageFall1090 = kUnmeasured;
  double averageRise2080 = kUnmeasured;
  double averageFall2080 = kUnmeasured;
};

// Each field by name, for printing and for field-wise arithmetic.
struct EyeMetricField {
  const char* key;
  double EyeMetrics::*member;
};

inline constexpr std::array<EyeMetricField, 17> kEyeMetricFields{{
    {"eyeHeight", &EyeMetrics::eyeHeight},
    {"eyeHeightBest", &EyeMetrics::eyeHeightBest},
    {"bestPhase", &EyeMetrics::bestPhase},
    {"eyeWidth", &EyeMetrics::eyeWidth},
    {"eyeWidthUi", &EyeMetrics::eyeWidthUi},
    {"jitterPp", &EyeMetrics::jitterPp},
    {"jitterRms", &EyeMetrics::jitterRms},
    {"rise1090", &EyeMetrics::rise1090},
    {"fall1090", &EyeMetrics::fall1090},
    {"rise2080", &EyeMetrics::rise2080},
    {"fall2080", &EyeMetrics::fall2080},
    {"overshoot", &EyeMetrics::overshoot},
    {"undershoot", &EyeMetrics::undershoot},
    {"averageRise1090", &EyeMetrics::averageRise1090},
    {"averageFall1090", &EyeMetrics::averageFall1090},
    {"averageRise2080", &EyeMetrics::averageRise2080},
    {"averageFall2080", &EyeMetrics::averageFall2080},
}};

// What a change did to each figure: output.field - input.field for every field
// (NaN when either is NaN). A negative eyeHeight difference is an eye the scope
// closes; a positive jitterPp difference is jitter it adds.
EyeMetrics Difference(const EyeMetrics& output, const EyeMetrics& input);

}  // namespace tovan
