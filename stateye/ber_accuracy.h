#pragma once

namespace tovan {

// How closely a bit error ratio is worked out (the method is in stateye/bit_error_ratio.h).
struct BerAccuracy {
  // A cell's term is integrated to an absolute error of about relativeFloor times the
  // larger of the BER without random jitter (when estimateFirst; it costs a normal tail
  // per jittered position) and the sum so far, and never finer than absoluteFloor.
  double relativeFloor;
  double absoluteFloor;
  bool estimateFirst;
  // A strip takes the closed-form shortcut when the cubic term of log Phi it leaves out
  // stays below this.
  double cubicTolerance;
  // A Gauss-Legendre piece's integrand may change by a factor of e^pieceLogSpan at most.
  double pieceLogSpan;
  // The noise is followed only as far as leaves a negligible tail beyond, rather than
  // to 12 deviations, and a strip across which the line runs through all of that reach
  // takes the whole line's mass less the strip's outside, in closed form.
  bool cutAtNegligible;
  // Not an accuracy: each strip's normal mass and mean are worked out when the strips are
  // laid out, which pays when a phase is asked for many thresholds, as a map's column is.
  bool stripsWorkedOut;
};

// The figures' and bathtubs' accuracy: relative error below 1e-5 down to a BER of 1e-20.
inline constexpr BerAccuracy kFiguresAccuracy{1e-9, 1e-26, true, 1e-7, 8.0, false, false};

// Enough for a picture: log10 BER within 0.01 of the figures' value wherever BER >= 1e-20.
inline constexpr BerAccuracy kDrawingAccuracy{1e-3, 1e-23, false, 3e-2, 16.0, true, true};

}  // namespace tovan
