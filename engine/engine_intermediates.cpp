#include "engine/signal_engine.h"

// Read-only views of the intermediate results, each brought up to date first.
namespace tovan {

const IntVector& SignalEngine::Sequence() {
  Synchronize();
  sequenceCopy = generator.Sequence();
  return sequenceCopy;
}

const Vector& SignalEngine::Waveform() {
  Synchronize();
  return waveform;
}

const ComplexVector& SignalEngine::WaveformSpectrum() {
  Synchronize();
  return waveformSpectrum;
}

const Vector& SignalEngine::FrequencyAxis() {
  Synchronize();
  return frequencyAxis;
}

const RationalFunction& SignalEngine::RiseFilter() {
  Synchronize();
  return riseFilter;
}

const ComplexVector& SignalEngine::RiseResponse() {
  Synchronize();
  return riseResponse;
}

const Vector& SignalEngine::InputSignal() {
  Synchronize();
  return inputSignal;
}

const RationalFunction& SignalEngine::ScopeFilter() {
  Synchronize();
  return scopeFilter;
}

const ComplexVector& SignalEngine::ScopeResponse() {
  Synchronize();
  return scopeResponse;
}

const ComplexVector& SignalEngine::MeasuredResponse() {
  Synchronize();
  return measuredResponse;
}

const Vector& SignalEngine::GroupDelayCurve() {
  Synchronize();
  return groupDelayCurve;
}

const ComplexVector& SignalEngine::GroupDelayResponse() {
  Synchronize();
  return groupDelayResponse;
}

const RationalFunction& SignalEngine::FlatnessFilter() {
  Synchronize();
  return flatnessFilter;
}

const ComplexVector& SignalEngine::FlatnessResponse() {
  Synchronize();
  return flatnessResponse;
}

const Vector& SignalEngine::OutputSignal() {
  Synchronize();
  return outputSignal;
}

const FitDiagnostics& SignalEngine::Diagnostics() {
  Synchronize();
  return diagnostics;
}

}  // namespace tovan
