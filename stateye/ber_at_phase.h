#pragma once

#include <vector>

#include "stateye/ber_accuracy.h"
#include "stateye/periodic_eye_signal.h"
#include "stateye/stat_eye_settings.h"
#include "stateye/strip_mass.h"

namespace tovan {

// BER(t, v) (stateye/bit_error_ratio.h) at one sampling phase t for any threshold v.
// Every cell's jittered positions and the sample intervals around them depend on t
// alone, so they are laid out once here and read again for each threshold: a column of
// the map, the vertical bathtub and the height searches all ask many thresholds at one
// phase.
class BerAtPhase {
 public:
  // phasePs is the phase in ps from the cell start; `signal` is read here only.
  BerAtPhase(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
             const BerAccuracy& accuracy = kFiguresAccuracy);

  // BER(phasePs, volts), by the method of stateye/bit_error_ratio.h to the accuracy given.
  double operator()(double volts) const;

  // The deterministic eye's inner levels at this phase, without random jitter and
  // noise: the lowest level a one takes and the highest a zero takes at either
  // deterministic-jitter impulse. Edges of the opening lie near them.
  double LowestOne() const;
  double HighestZero() const;

 private:
  // One sample interval within reach of a position's random jitter: y = a + b z for the
  // standardised jitter z on the strip.
  struct Strip {
    JitterStrip z;
    double a, b;
  };
  // One jittered position of a cell: where it lies without random jitter, its weight
  // (1/2 for each deterministic-jitter impulse) and its strips.
  struct Position {
    double y;
    double weight;
    bool one;
    int firstStrip, endStrip;
    double lowest, highest;  // the extremes of y over the strips
  };

  double Error(const Position& p, double volts, const Negligible& negligible) const;
  double WithoutRandomJitter(double volts) const;

  StatEyeSettings settings_;
  BerAccuracy accuracy_;
  int bits_;
  double wholeJitterMass_;  // the standard normal mass within the random jitter's reach
  std::vector<Position> positions_;  // cell by cell, the early impulse before the late one
  std::vector<Strip> strips_;
};

}  // namespace tovan
