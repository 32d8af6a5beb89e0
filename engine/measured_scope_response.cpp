#include "engine/measured_scope_response.h"

#include "numeric/constants.h"
#include "response/interpolated_response.h"
#include "engine/signal_engine.h"

namespace tovan {

ComplexVector MeasuredScopeResponse(const ComplexVector& measured, Complex atBitrate,
                                    const RationalFunction& model, ResponseMode mode,
                                    const ComplexVector& sPoints, double bitrate) {
  ComplexVector total = measured;
  if (mode == ResponseMode::kCascade) {
    atBitrate = atBitrate * model.ResponseAt(Complex{0.0, kTwoPi} * Complex{bitrate, 0.0});
    total = Multiply(measured, model.Response(sPoints));
  }
  // Left to right as in the model's compensation: the rounding of the delay depends on it.
  const double delay = -Argument(atBitrate) * kInverseTwoPi / bitrate;
  for (int k = 0; k < total.length(); ++k) total[k] = total[k] * Exp(sPoints[k] * Complex{delay, 0.0});
  return total;
}

void SignalEngine::UpdateMeasuredResponse() {
  UpdateAxes();
  if (!BeginStage(measuredResponseNode, EngineStage::kMeasuredResponse, {&scopeFilterNode}))
    return;
  if (snapResponseTable.value) {
    const InterpolatedResponse interpolated(*snapResponseTable.value);
    measuredResponse = interpolated.On(frequencyAxis);
    measuredAtBitrate = interpolated.At(snapBitrate.value);
  } else {
    measuredResponse = ComplexVector();
    measuredAtBitrate = Complex{};
  }
  measuredResponseNode.ready = true;
}

}  // namespace tovan
