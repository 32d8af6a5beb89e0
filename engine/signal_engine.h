#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/cached_node.h"
#include "engine/engine_stage.h"
#include "engine/input_cell.h"
#include "numeric/complex_vector.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "response/response_table.h"
#include "transfer/prbs_generator.h"
#include "transfer/rational_function.h"
#include "transfer/sample_table.h"

namespace tovan {

// What the flatness fit and the group-delay fit did on their last run; kept for
// checking the engine against an independent model, read by nobody else.
struct FitDiagnostics {
  double powerLawAmplitude = 0.0;
  double powerLawExponent = 0.0;
  int powerLawIterations = 0;
  bool powerLawFitted = false;
  int flatnessIterations = 0;
  Vector flatnessParameters;
  Vector flatnessTarget;  // the interpolated target, as linear ratios
  ComplexVector fittedZeros;  // before cancellation of slow roots
  ComplexVector fittedPoles;
};

// The whole simulation: parameters as input cells, every intermediate result as a
// cached member guarded by a CachedNode, recomputed lazily inside the accessors.
//
// Writers (the controls) use the public cells' Write and nothing else; every
// accessor synchronises the snapshots and recomputes exactly the stale stages.
// Accessors return references that stay valid for the engine's life; their
// content changes only during a later accessor call.
class SignalEngine {
 public:
  SignalEngine();
  SignalEngine(const SignalEngine&) = delete;
  SignalEngine& operator=(const SignalEngine&) = delete;

 private:
  // Nodes come first so that the cells can stamp their owners while constructing.
  CachedNode inputGate;
  CachedNode patternNode, waveformNode, axesNode, riseFilterNode, inputTracesNode;
  CachedNode groupDelayNode, scopeFilterNode, flatnessFitNode, flatnessResponseNode;
  CachedNode outputsNode;
  CachedNode measuredResponseNode;
  CachedNode commonRelay, bandwidthRelay;

 public:
  // Public cells, in the order Synchronize copies them.
  InputCell<bool> show3BitCells;
  std::array<InputCell<bool>, 8> prbsTaps;
  InputCell<double> highLevel;
  InputCell<double> lowLevel;
  InputCell<int> samplesPerBit;
  InputCell<double> bitrate;       // Gbps
  InputCell<double> risetime;      // ns, 10 % to 90 %
  InputCell<double> groupDelay;    // ns
  InputCell<double> noiseAmplitude;  // V peak to peak
  InputCell<double> bandwidth;     // GHz
  InputCell<double> rolloff;       // dB per decade
  std::array<InputCell<double>, 10> flatnessLevels;  // dB at 1 ... 10 GHz
  // A measured response (none: the modelled scope filter alone) and how it enters.
  InputCell<std::optional<ResponseTable>> responseTable;
  InputCell<ResponseMode> responseMode;

  const Matrix& InputTraces();
  const Matrix& OutputTraces();
  const SampleTable& ScopeMagnitudeTrace();
  const SampleTable& ScopePhaseTrace();
  const SampleTable& OutputSpectrumTrace();
  const SampleTable& InputSpectrumTrace();

  // True once a computation has thrown: from then on nothing is recomputed and the
  // accessors keep returning what the stages last stored.
  bool Failed() const { return failed; }
  // The outputs node's stamp: changes whenever the traces have been recomputed, so
  // callers can cache work derived from them.
  std::uint32_t OutputStamp() const { return outputsNode.validStamp; }
  // How often each stage has recomputed since construction.
  const StageCounts& RecomputeCounts() const { return recomputeCounts; }

  // Intermediate results, brought up to date first (for inspection and checking).
  const IntVector& Sequence();
  const Vector& Waveform();
  const ComplexVector& WaveformSpectrum();
  const Vector& FrequencyAxis();
  const RationalFunction& RiseFilter();
  const ComplexVector& RiseResponse();
  const Vector& InputSignal();
  const RationalFunction& ScopeFilter();
  // The scope filter's response with its bit-rate delay taken out; with a measured
  // response loaded, the measured (replace) or measured times modelled (cascade) one.
  const ComplexVector& ScopeResponse();
  // The measured response on the frequency grid (measured_scope_response.h); empty
  // with none loaded.
  const ComplexVector& MeasuredResponse();
  const Vector& GroupDelayCurve();
  const ComplexVector& GroupDelayResponse();
  const RationalFunction& FlatnessFilter();
  const ComplexVector& FlatnessResponse();
  const Vector& OutputSignal();
  const FitDiagnostics& Diagnostics();

 private:
  void Synchronize();
  void CopyParameters();
  void RelayInvalidation();

  void UpdatePattern();
  void UpdateWaveform();
  void UpdateAxes();
  void UpdateRiseFilter();
  void UpdateInputTraces();
  void UpdateGroupDelay();
  void UpdateScopeFilter();
  void UpdateFlatnessFit();
  void UpdateFlatnessResponse();
  void UpdateOutputs();
  void UpdateMeasuredResponse();

  // What every stage does before computing: false when the node is current;
  // otherwise the node is refreshed, the count taken and the dependants stamped, so
  // that they recompute after it.
  bool BeginStage(CachedNode& node, EngineStage stage, std::initializer_list<CachedNode*> dependants);

  // Snapshots, written only by Synchronize.
  InputCell<bool> snapShow3BitCells;
  std::array<InputCell<bool>, 8> snapPrbsTaps;
  InputCell<double> snapHighLevel;
  InputCell<double> snapLowLevel;
  InputCell<int> snapSamplesPerBit;
  InputCell<double> snapBitrate;
  InputCell<double> snapRisetime;
  InputCell<double> snapGroupDelay;
  InputCell<double> snapNoiseAmplitude;
  InputCell<double> snapBandwidth;
  InputCell<double> snapRolloff;
  std::array<InputCell<double>, 10> snapFlatnessLevels;
  InputCell<std::optional<ResponseTable>> snapResponseTable;
  InputCell<ResponseMode> snapResponseMode;

  PrbsGenerator generator;
  Vector waveform;
  ComplexVector waveformSpectrum;
  Vector frequencyAxis;
  ComplexVector sPoints;
  RationalFunction riseFilter;
  ComplexVector riseResponse;
  ComplexVector inputSpectrum;
  Vector inputSignal;
  Matrix inputTraces;
  Vector groupDelayCurve;
  ComplexVector groupDelayResponse;
  RationalFunction scopeFilter;
  ComplexVector scopeResponse;
  ComplexVector measuredResponse;
  Complex measuredAtBitrate;
  RationalFunction flatnessFilter;
  ComplexVector flatnessResponse;
  ComplexVector outputSpectrum;
  Vector outputSignal;
  Matrix outputTraces;
  SampleTable magnitudeTrace, phaseTrace, outputSpectrumTrace, inputSpectrumTrace;
  IntVector sequenceCopy;
  FitDiagnostics diagnostics;

  StageCounts recomputeCounts{};
  bool failed = false;
};

}  // namespace tovan
