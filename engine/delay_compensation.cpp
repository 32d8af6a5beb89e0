#include "engine/delay_compensation.h"

#include "numeric/constants.h"

namespace tovan {

ComplexVector DelayCompensatedResponse(const RationalFunction& filter, const ComplexVector& sPoints,
                                       double bitrate) {
  const double phase = Argument(filter.ResponseAt(Complex{0.0, kTwoPi} * Complex{bitrate, 0.0}));
  // Left to right as written: the rounding of the delay depends on it.
  const double delay = -phase * kInverseTwoPi / bitrate;
  ComplexVector compensated = filter.Response(sPoints);
  for (int k = 0; k < sPoints.length(); ++k)
    compensated[k] = compensated[k] * Exp(sPoints[k] * Complex{delay, 0.0});
  return compensated;
}

}  // namespace tovan
