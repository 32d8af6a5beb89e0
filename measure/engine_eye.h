#pragma once

#include "measure/eye_frame.h"
#include "measure/eye_metrics.h"

namespace tovan {

class SignalEngine;

// The eye before and after the scope, and what the scope did to it.
struct EyeComparison {
  EyeMetrics input;       // the risetime-shaped input pattern
  EyeMetrics output;      // the scope-affected pattern
  EyeMetrics difference;  // Difference(output, input)
};

// The frame of the engine's current traces: its levels, samples per bit, bitrate and
// cell layout, read from the public cells (equal to what the traces were computed
// from once an accessor has synchronised the engine).
EyeFrame EngineEyeFrame(const SignalEngine& engine);

// Brings the engine up to date through its accessors and measures both trace tables
// against its bit sequence.
EyeComparison MeasureEngineEye(SignalEngine& engine);

}  // namespace tovan
