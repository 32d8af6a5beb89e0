#pragma once

#include "numeric/complex_vector.h"
#include "transfer/rational_function.h"

namespace tovan {

// The filter's response at every s point with its phase delay at the bit rate taken
// out: H(s_k) * exp(s_k * td), td = -arg H(j 2pi bitrate) / (2pi) / bitrate, so that
// filtered edges stay centred in their bit cells.
ComplexVector DelayCompensatedResponse(const RationalFunction& filter, const ComplexVector& sPoints,
                                       double bitrate);

}  // namespace tovan
