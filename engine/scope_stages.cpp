#include <cmath>

#include "engine/delay_compensation.h"
#include "engine/flatness_start_guess.h"
#include "engine/measured_scope_response.h"
#include "engine/signal_engine.h"
#include "engine/slow_root_cancellation.h"
#include "numeric/constants.h"
#include "optimize/rational_fit.h"
#include "transfer/bisection_search.h"
#include "transfer/cascade.h"
#include "transfer/filter_prototypes.h"
#include "transfer/interpolator.h"
#include "transfer/power_law_fit.h"

// The scope model: Bessel times Butterworth filter, power-law group delay, and the
// rational correction fitted to the flatness levels.
namespace tovan {
namespace {

// Where the unit Butterworth of this order crosses -0.1 dB inside [0, bandwidth].
double ButterworthPointOfTenthDb(const Cascade& prototype, double bandwidth) {
  BisectionSearch search;
  search.Begin(0.0, prototype.MagnitudeDb(0.0), bandwidth, prototype.MagnitudeDb(bandwidth), -0.1,
               0.00001, 1000);
  double x = bandwidth * 0.5;
  double value = 0.0;
  do {
    value = prototype.MagnitudeDb(x);
  } while (search.Advance(x, value));
  return x;
}

}  // namespace

void SignalEngine::UpdateScopeFilter() {
  UpdateAxes();
  UpdateMeasuredResponse();
  if (!BeginStage(scopeFilterNode, EngineStage::kScopeFilter, {&outputsNode})) return;
  const double bw = snapBandwidth.value;
  const int order = static_cast<int>(std::floor(snapRolloff.value * 0.05));
  const Cascade unit = MakeButterworth(1.0, order);
  const double tenthDb = ButterworthPointOfTenthDb(unit, bw);
  const Cascade butterworth = MakeButterworth(bw / tenthDb, order);
  scopeFilter = Multiply(MakeBessel(bw, 4), FromCascade(butterworth));
  scopeResponse = DelayCompensatedResponse(scopeFilter, sPoints, snapBitrate.value);
  if (snapResponseTable.value)
    scopeResponse = MeasuredScopeResponse(measuredResponse, measuredAtBitrate, scopeFilter,
                                          snapResponseMode.value, sPoints, snapBitrate.value);
  scopeFilterNode.ready = true;
}

void SignalEngine::UpdateGroupDelay() {
  UpdateAxes();
  if (!BeginStage(groupDelayNode, EngineStage::kGroupDelay, {&outputsNode})) return;
  const double bw = snapBandwidth.value;
  const double delay = snapGroupDelay.value;
  double amplitude = 0.0;
  double exponent = 0.0;
  diagnostics.powerLawFitted = delay != 0.0;
  diagnostics.powerLawIterations = 0;
  if (delay != 0.0) {
    SampleTable points;
    points.abscissae = Vector(2);
    points.ordinates = Vector(2);
    points.abscissae[0] = bw * 0.5;
    points.abscissae[1] = bw;
    points.ordinates[0] = delay * 0.3333333333333333;
    points.ordinates[1] = delay;
    PowerLawFit fit(points, Vector(2, 1.0), true, 1.0, 0.0, 30, false);
    const Vector result = fit.Result();
    amplitude = result[0];
    exponent = result[1];
    diagnostics.powerLawIterations = fit.iterationCount();
  }
  diagnostics.powerLawAmplitude = amplitude;
  diagnostics.powerLawExponent = exponent;

  const int points = frequencyAxis.length();
  groupDelayCurve = Vector(points);
  groupDelayResponse = ComplexVector(points);
  double phase = 0.0;
  for (int k = 0; k < points; ++k) {
    groupDelayCurve[k] = std::pow(frequencyAxis[k], exponent) * amplitude;
    // Trapezoid rule of -2 pi times the integral of the delay, in this grouping.
    if (k > 0)
      phase = phase - (frequencyAxis[k] - frequencyAxis[k - 1]) *
                          (groupDelayCurve[k] + groupDelayCurve[k - 1]) * kPi;
    groupDelayResponse[k] = Exp(Complex{0.0, phase});
  }
  groupDelayNode.ready = true;
}

void SignalEngine::UpdateFlatnessFit() {
  if (!BeginStage(flatnessFitNode, EngineStage::kFlatnessFit, {&flatnessResponseNode})) return;
  SampleTable knots;
  knots.abscissae = Vector::Ramp(11, 0.0, 1.0);
  knots.ordinates = Vector(11);
  for (int k = 0; k < 10; ++k) knots.ordinates[k + 1] = snapFlatnessLevels[k].value;

  SampleTable target;
  target.abscissae = Vector::Ramp(101, 0.0, 0.1);
  target.ordinates = MakeSpline(knots, true).Values(target.abscissae);
  for (int k = 0; k < target.ordinates.length(); ++k)
    target.ordinates[k] = std::pow(10.0, target.ordinates[k] * 0.05);

  RationalFit fit(FlatnessStartGuess(), target, Vector(101, 1.0), 0.0004, 1000, false);
  flatnessFilter = fit.Fit();
  diagnostics.flatnessIterations = fit.iterationCount();
  diagnostics.flatnessParameters = fit.Parameters();
  diagnostics.flatnessTarget = target.ordinates;

  FactoredPolynomial zeros = flatnessFilter.NumeratorFactored();
  FactoredPolynomial poles = flatnessFilter.DenominatorFactored();
  diagnostics.fittedZeros = zeros;
  diagnostics.fittedPoles = poles;
  if (CancelSlowRoots(zeros, poles)) {
    zeros.gain = 1.0;
    poles.gain = 1.0;
    flatnessFilter = RationalFunction(Expand(zeros), Expand(poles));
  }
  flatnessFitNode.ready = true;
}

void SignalEngine::UpdateFlatnessResponse() {
  UpdateAxes();
  UpdateFlatnessFit();
  if (!BeginStage(flatnessResponseNode, EngineStage::kFlatnessResponse, {&outputsNode})) return;
  const ComplexVector response = flatnessFilter.Response(sPoints);
  // Normalised by the response at s = 0, so the correction is 1 at DC.
  flatnessResponse = response.length() > 0 ? Divide(response, response[0]) : response;
  flatnessResponseNode.ready = true;
}

}  // namespace tovan
