#pragma once

#include "stateye/ber_accuracy.h"

namespace tovan {

// Gaussian masses of a vertical strip za <= z <= zb (za <= zb) under the straight line
// w = c + d z, for independent standard normal z and w: the jitter-and-noise term of
// one sample interval (stateye/bit_error_ratio.h).

// A strip within 12 standard deviations of the mean (-12 <= za <= zb <= 12) with what
// depends on it alone: worked out once when `workedOut` (worth it for the many lines of
// a map's column), else at each use.
struct JitterStrip {
  double za, zb;
  bool workedOut;
  double mass, mean;  // when workedOut

  double Mass() const;                  // NormalMass(za, zb)
  double Mean(double stripMass) const;  // of z on the strip, given Mass(); 0 when that is 0
};
JitterStrip MakeJitterStrip(double za, double zb, bool workOut);

// What a strip's mass may leave out: parts certainly below exp(log), and the noise
// beyond `reach` deviations (12, or with BerAccuracy::cutAtNegligible as few as leave a
// tail below exp(log)).
struct Negligible {
  double log;
  double reach;
};
Negligible MakeNegligible(double negligible, const BerAccuracy& accuracy);

// integral_{za}^{zb} phi(z) Phi(c + d z) dz, by the rule described there to `accuracy`.
// A strip whose mass is certainly below `negligible` (by a bound that costs no special
// function) gives 0, and pieces of the integration on which the integrand stays below
// it are left out.
double StripMassBelowLine(const JitterStrip& strip, double c, double d, const Negligible& negligible,
                          const BerAccuracy& accuracy);

// The same with a noise-free decision, Phi a step: the normal mass of the z in
// [za, zb] with c + d z > 0, plus half the mass where c + d z is exactly 0 on the whole
// strip (d = 0 and c = 0).
double StripMassWherePositive(const JitterStrip& strip, double c, double d);

}  // namespace tovan
