#pragma once

#include "measure/engine_eye.h"
#include "plot/reference_frames.h"

namespace tovan {

class SignalEngine;

// What "Hold as Reference" freezes: both views' traces and the eye figures measured
// on them, taken together from one up-to-date state of the engine.
struct HeldReference {
  ReferenceTraces traces;
  EyeComparison figures;
};

HeldReference CaptureHeldReference(SignalEngine& engine);

}  // namespace tovan
