#include "measure/level_excursion.h"

namespace tovan {
namespace {

double PercentOfSwing(double excess, double swing) {
  const double percent = (excess / swing) * 100.0;
  return percent > 0.0 ? percent : 0.0;
}

}  // namespace

LevelExcursion MeasureExcursion(const Vector& signal, const EyeFrame& frame) {
  double highest = signal[0];
  double lowest = signal[0];
  for (int n = 1; n < signal.length(); ++n) {
    if (signal[n] > highest) highest = signal[n];
    if (signal[n] < lowest) lowest = signal[n];
  }
  const double swing = Swing(frame);
  return {PercentOfSwing(highest - frame.highLevel, swing), PercentOfSwing(frame.lowLevel - lowest, swing)};
}

}  // namespace tovan
