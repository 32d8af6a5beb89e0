#include <cmath>

#include "engine/signal_engine.h"
#include "engine/trace_table.h"
#include "numeric/constants.h"
#include "numeric/rand15.h"
#include "transfer/fft.h"

// The scope-affected signal, the four frequency-domain traces and the output traces.
namespace tovan {
namespace {

constexpr double kSpectrumFloorDb = -3000.0;
constexpr double kNoiseScale = 0.000030517578125;  // 2^-15

double FlooredDb(const Complex& value) {
  const double db = 20.0 * std::log10(Magnitude(value));
  return db < kSpectrumFloorDb ? kSpectrumFloorDb : db;
}

// The first of equal maxima, scanning in index order.
double MaxOf(const Vector& v) {
  double best = v[0];
  for (int k = 1; k < v.length(); ++k)
    if (v[k] > best) best = v[k];
  return best;
}

// Subtracts the linear phase through the first two points and rewraps into (-180, 180].
void RemoveLowFrequencyDelay(Vector& phase, const Vector& frequency) {
  if (phase.length() < 2) return;
  // Grouping as written: the rounding of the delay depends on it.
  const double delay =
      (phase[1] - phase[0]) * kRadiansPerDegree * (-1.0) / ((frequency[1] - frequency[0]) * kTwoPi);
  for (int k = 0; k < phase.length(); ++k) {
    const Complex linear = ExpImaginary(frequency[k] * delay * kTwoPi);
    const Complex total = ExpImaginary(phase[k] * kRadiansPerDegree);
    phase[k] = Argument(linear * total) * kDegreesPerRadian;
  }
}

}  // namespace

void SignalEngine::UpdateOutputs() {
  UpdateInputTraces();
  UpdateScopeFilter();
  UpdateGroupDelay();
  UpdateFlatnessResponse();
  if (!BeginStage(outputsNode, EngineStage::kOutputs, {})) return;

  const int points = inputSpectrum.length();
  // Written in place: repeated computations of one length reuse every block.
  outputSpectrum.Resize(points, kForOverwrite);
  Vector& magnitude = magnitudeTrace.ordinates;
  Vector& phase = phaseTrace.ordinates;
  Vector& outputDb = outputSpectrumTrace.ordinates;
  Vector& inputDb = inputSpectrumTrace.ordinates;
  for (Vector* ordinates : {&magnitude, &phase, &outputDb, &inputDb})
    ordinates->Resize(points, kForOverwrite);
  for (int k = 0; k < points; ++k) {
    const Complex scope = (scopeResponse[k] * groupDelayResponse[k]) * flatnessResponse[k];
    outputSpectrum[k] = inputSpectrum[k] * scope;
    magnitude[k] = 20.0 * std::log10(Magnitude(scope));
    phase[k] = Argument(scope) * kDegreesPerRadian;
    outputDb[k] = FlooredDb(outputSpectrum[k]);
    inputDb[k] = FlooredDb(inputSpectrum[k]);
  }
  RemoveLowFrequencyDelay(phase, frequencyAxis);
  if (points > 0) {
    SubtractScalarInPlace(outputDb, MaxOf(outputDb));
    SubtractScalarInPlace(inputDb, MaxOf(inputDb));
  }
  for (SampleTable* trace : {&magnitudeTrace, &phaseTrace, &outputSpectrumTrace, &inputSpectrumTrace})
    trace->abscissae = frequencyAxis;

  outputSignal = RealSignal(outputSpectrum);
  // The public cell, not the snapshot; rand is drawn once per sample even at zero
  // amplitude, so the noise stream does not depend on the amplitude.
  const double amplitude = noiseAmplitude.value;
  for (int i = 0; i < outputSignal.length(); ++i)
    outputSignal[i] = outputSignal[i] + (Rand15() * amplitude * kNoiseScale - amplitude * 0.5);

  outputTraces = BuildTraceTable(outputSignal, generator.Sequence().length(), snapSamplesPerBit.value,
                                 snapShow3BitCells.value);
  outputsNode.ready = true;
}

}  // namespace tovan
