#pragma once

#include "numeric/complex_vector.h"
#include "response/response_table.h"
#include "transfer/rational_function.h"

namespace tovan {

// The scope response with a measured response in it, on the grid of sPoints.
// measured holds the measured response at the grid's frequencies, atBitrate its value
// at the bit-rate frequency. Replace: the measured response alone; cascade: measured
// times model. The result's phase delay at the bit rate is then taken out exactly as
// DelayCompensatedResponse does for the model: td = -arg H(bitrate) / (2pi) / bitrate,
// point k = H_k * exp(s_k * td).
ComplexVector MeasuredScopeResponse(const ComplexVector& measured, Complex atBitrate,
                                    const RationalFunction& model, ResponseMode mode,
                                    const ComplexVector& sPoints, double bitrate);

}  // namespace tovan
