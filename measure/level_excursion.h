#pragma once

#include "measure/eye_frame.h"
#include "numeric/vector.h"

namespace tovan {

// How far the signal strays beyond its levels, in % of the swing.
struct LevelExcursion {
  double overshoot;   // ((highest sample - highLevel) / swing) * 100, at least 0
  double undershoot;  // ((lowLevel - lowest sample) / swing) * 100, at least 0
};

// Over every sample of the period; 0 for a signal that stays within the levels.
// Never asked of an empty signal or an unusable frame.
LevelExcursion MeasureExcursion(const Vector& signal, const EyeFrame& frame);

}  // namespace tovan
