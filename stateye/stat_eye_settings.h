#pragma once

namespace tovan {

// What is added to the deterministic eye (stateye/stat_eye.h defines how).
struct StatEyeSettings {
  double rj = 0.0;           // ps RMS, Gaussian random jitter
  double dj = 0.0;           // ps, dual-Dirac deterministic jitter: two equal impulses at +-dj/2
  double noise = 0.0;        // V RMS, Gaussian vertical noise
  double targetBer = 1e-12;  // the bit error ratio the eye figures are read at
};

// A jitter or noise value is finite and at least 0.
bool IsValidSpread(double value);
// A target bit error ratio lies strictly between 0 and 0.5 (a coin toss errs half the time).
bool IsValidTargetBer(double value);
// Every field valid.
bool IsValid(const StatEyeSettings& settings);

}  // namespace tovan
