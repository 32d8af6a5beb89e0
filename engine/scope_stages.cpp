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

// Scope filter: a Bessel filter of fixed order times a Butterworth whose order
// follows the rolloff (20 dB/decade per order), scaled so that the Butterworth is a
// tenth of a dB down at the bandwidth.
constexpr int kBesselOrder = 4;
constexpr double kOrderPerRolloff = 0.05;
constexpr double kButterworthEdgeDb = -0.1;
constexpr double kEdgeSearchTolerance = 0.00001;
constexpr int kEdgeSearchIterations = 1000;
constexpr double kEdgeSearchStart = 0.5;  // of the bandwidth

// Group delay: a power law through a third of the delay at half the bandwidth and
// the full delay at the bandwidth.
constexpr double kDelayKneeFraction = 0.5;  // of the bandwidth
constexpr double kDelayAtKnee = 0.3333333333333333;
constexpr double kPowerLawStartExponent = 1.0;
constexpr double kPowerLawTolerance = 0.0;
constexpr int kPowerLawIterations = 30;

// Flatness correction: the levels at 1 ... 10 GHz (0 dB at DC) splined onto a
// 0.1 GHz grid, turned from dB into magnitudes, and fitted by a rational function.
constexpr int kFlatnessKnots = 11;
constexpr double kKnotSpacingGhz = 1.0;
constexpr int kFlatnessTargetPoints = 101;
constexpr double kTargetSpacingGhz = 0.1;
constexpr double kDbToMagnitudeExponent = 0.05;  // 10^(dB / 20)
constexpr double kFlatnessFitTolerance = 0.0004;
constexpr int kFlatnessFitIterations = 1000;

// Where the unit Butterworth of this order crosses kButterworthEdgeDb inside [0, bandwidth].
double ButterworthPointOfTenthDb(const Cascade& prototype, double bandwidth) {
  BisectionSearch search;
  search.Begin(0.0, prototype.MagnitudeDb(0.0), bandwidth, prototype.MagnitudeDb(bandwidth),
               kButterworthEdgeDb, kEdgeSearchTolerance, kEdgeSearchIterations);
  double x = bandwidth * kEdgeSearchStart;
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
  const int order = static_cast<int>(std::floor(snapRolloff.value * kOrderPerRolloff));
  const Cascade unit = MakeButterworth(1.0, order);
  const double tenthDb = ButterworthPointOfTenthDb(unit, bw);
  const Cascade butterworth = MakeButterworth(bw / tenthDb, order);
  scopeFilter = Multiply(MakeBessel(bw, kBesselOrder), FromCascade(butterworth));
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
    points.abscissae[0] = bw * kDelayKneeFraction;
    points.abscissae[1] = bw;
    points.ordinates[0] = delay * kDelayAtKnee;
    points.ordinates[1] = delay;
    PowerLawFit fit(points, Vector(2, 1.0), true, kPowerLawStartExponent, kPowerLawTolerance,
                    kPowerLawIterations, false);
    const Vector result = fit.Result();
    amplitude = result[0];
    exponent = result[1];
    diagnostics.powerLawIterations = fit.iterationCount();
  }
  diagnostics.powerLawAmplitude = amplitude;
  diagnostics.powerLawExponent = exponent;

  const int points = frequencyAxis.length();
  groupDelayCurve.Resize(points, kForOverwrite);
  groupDelayResponse.Resize(points, kForOverwrite);
  double phase = 0.0;
  for (int k = 0; k < points; ++k) {
    groupDelayCurve[k] = std::pow(frequencyAxis[k], exponent) * amplitude;
    // Trapezoid rule of -2 pi times the integral of the delay, in this grouping.
    if (k > 0)
      phase = phase - (frequencyAxis[k] - frequencyAxis[k - 1]) *
                          (groupDelayCurve[k] + groupDelayCurve[k - 1]) * kPi;
    groupDelayResponse[k] = ExpImaginary(phase);
  }
  groupDelayNode.ready = true;
}

void SignalEngine::UpdateFlatnessFit() {
  if (!BeginStage(flatnessFitNode, EngineStage::kFlatnessFit, {&flatnessResponseNode})) return;
  SampleTable knots;
  knots.abscissae = Vector::Ramp(kFlatnessKnots, 0.0, kKnotSpacingGhz);
  knots.ordinates = Vector(kFlatnessKnots);
  for (int k = 0; k + 1 < kFlatnessKnots; ++k) knots.ordinates[k + 1] = snapFlatnessLevels[k].value;

  SampleTable target;
  target.abscissae = Vector::Ramp(kFlatnessTargetPoints, 0.0, kTargetSpacingGhz);
  target.ordinates = MakeSpline(knots, true).Values(target.abscissae);
  for (int k = 0; k < target.ordinates.length(); ++k)
    target.ordinates[k] = std::pow(10.0, target.ordinates[k] * kDbToMagnitudeExponent);

  RationalFit fit(FlatnessStartGuess(), target, Vector(kFlatnessTargetPoints, 1.0),
                  kFlatnessFitTolerance, kFlatnessFitIterations, false);
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
