#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/delay_compensation.h"
#include "engine/signal_engine.h"
#include "engine/trace_table.h"
#include "numeric/constants.h"
#include "transfer/fft.h"
#include "transfer/polynomial.h"

// The input side: bit pattern, its waveform and spectrum, the frequency grid, the
// risetime filter and the shaped input cut into bit-cell traces.
namespace tovan {
namespace {

// A pattern that cannot be sampled ends the computation like any other failure
// instead of overflowing the sample count.
void CheckPatternLength(int bits, int samplesPerBit) {
  if (samplesPerBit < 1) throw std::domain_error("samples per bit below one");
  if (static_cast<double>(bits) * samplesPerBit > std::numeric_limits<int>::max() / 2)
    throw std::length_error("pattern too long to sample");
}

}  // namespace

void SignalEngine::UpdatePattern() {
  if (!BeginStage(patternNode, EngineStage::kPattern, {&waveformNode})) return;
  PaddedIntVector taps(8);
  for (int k = 0; k < 8; ++k) taps[k] = snapPrbsTaps[k].value ? 1 : 0;
  generator = PrbsGenerator(taps, snapHighLevel.value, snapLowLevel.value);
  patternNode.ready = true;
}

void SignalEngine::UpdateWaveform() {
  UpdatePattern();
  if (!BeginStage(waveformNode, EngineStage::kWaveform, {&axesNode})) return;
  CheckPatternLength(generator.Sequence().length(), snapSamplesPerBit.value);
  waveform = generator.Samples(static_cast<double>(snapSamplesPerBit.value));
  waveformSpectrum = RealSpectrum(waveform);
  waveformNode.ready = true;
}

void SignalEngine::UpdateAxes() {
  UpdateWaveform();
  if (!BeginStage(axesNode, EngineStage::kAxes,
                  {&riseFilterNode, &scopeFilterNode, &groupDelayNode, &flatnessResponseNode,
                   &measuredResponseNode}))
    return;
  const double sampleRate = static_cast<double>(snapSamplesPerBit.value) / (1.0 / snapBitrate.value);
  const int points = waveformSpectrum.length();
  // The spacing is half the sample rate over the number of points, not points - 1.
  const double spacing = sampleRate * 0.5 / points;
  frequencyAxis.Resize(points, kForOverwrite);
  sPoints.Resize(points, kForOverwrite);
  for (int k = 0; k < points; ++k) {
    frequencyAxis[k] = k * spacing;
    sPoints[k] = Complex{0.0, kTwoPi} * Complex{frequencyAxis[k], 0.0};
  }
  axesNode.ready = true;
}

void SignalEngine::UpdateRiseFilter() {
  UpdateAxes();
  if (!BeginStage(riseFilterNode, EngineStage::kRiseFilter, {&inputTracesNode})) return;
  // ln 0.9 - ln 0.1 as two logarithms, not ln 9: the roundings differ.
  const double tau = snapRisetime.value / (std::log(0.9) - std::log(0.1));
  Polynomial numerator(1);
  numerator[0] = 1.0 / tau;
  Polynomial denominator(2);
  denominator[0] = 1.0 / tau;
  denominator[1] = 1.0;
  riseFilter = RationalFunction(numerator, denominator);
  riseResponse = DelayCompensatedResponse(riseFilter, sPoints, snapBitrate.value);
  riseFilterNode.ready = true;
}

void SignalEngine::UpdateInputTraces() {
  UpdateWaveform();
  UpdateRiseFilter();
  if (!BeginStage(inputTracesNode, EngineStage::kInputTraces, {&outputsNode})) return;
  inputSpectrum = Multiply(waveformSpectrum, riseResponse);
  inputSignal = RealSignal(inputSpectrum);
  inputTraces = BuildTraceTable(inputSignal, generator.Sequence().length(), snapSamplesPerBit.value,
                                snapShow3BitCells.value);
  inputTracesNode.ready = true;
}

}  // namespace tovan
