#include "stateye/stat_eye_settings.h"

#include <cmath>

namespace tovan {

bool IsValidSpread(double value) { return std::isfinite(value) && value >= 0.0; }

bool IsValidTargetBer(double value) { return value > 0.0 && value < 0.5; }

bool IsValid(const StatEyeSettings& s) {
  return IsValidSpread(s.rj) && IsValidSpread(s.dj) && IsValidSpread(s.noise) && IsValidTargetBer(s.targetBer);
}

}  // namespace tovan
