#include "measure/measure_eye.h"

#include <cmath>
#include <vector>

#include "measure/bit_alignment.h"
#include "measure/bit_transitions.h"
#include "measure/crossing_jitter.h"
#include "measure/edge_timing.h"
#include "measure/eye_opening.h"
#include "measure/level_crossing.h"
#include "measure/level_excursion.h"
#include "measure/periodic_trace.h"

namespace tovan {
namespace {

struct EdgeTimes {
  double rise1090, fall1090, rise2080, fall2080;  // samples
};

void MeasureOpening(const Vector& signal, const IntVector& bits, int samplesPerBit, EyeMetrics& m) {
  m.eyeHeight = EyeHeightAt(signal, bits, samplesPerBit, CentreRow(samplesPerBit));
  const BestOpening best = BestEyeOpening(signal, bits, samplesPerBit);
  if (best.row < 0) return;
  m.eyeHeightBest = best.height;
  m.bestPhase = static_cast<double>(best.row) / samplesPerBit;
}

// Needs eyeHeightBest: a closed eye has no width whatever its crossings say.
void MeasureCrossings(const Vector& signal, const EyeFrame& frame, EyeMetrics& m) {
  const int samplesPerBit = frame.samplesPerBit;
  const CrossingSpread spread =
      SpreadOfCrossings(CrossingPhases(signal, Threshold(frame), samplesPerBit), samplesPerBit);
  if (std::isnan(spread.rms)) return;
  const double samplePs = SampleSpacingPs(frame);
  m.jitterPp = spread.peakToPeak * samplePs;
  m.jitterRms = spread.rms * samplePs;
  const bool closed = m.eyeHeightBest <= 0.0;
  m.eyeWidth = closed ? 0.0 : spread.largestGap * samplePs;
  m.eyeWidthUi = closed ? 0.0 : spread.largestGap / samplesPerBit;
}

EdgeLevels LevelsFor(const EyeFrame& frame, double lowerFraction, double upperFraction, bool rising) {
  const double swing = Swing(frame);
  const double lower = frame.lowLevel + lowerFraction * swing;
  const double upper = frame.lowLevel + upperFraction * swing;
  if (rising) return {lower, Threshold(frame), upper};
  return {upper, Threshold(frame), lower};
}

double TimeEdge(const Vector& window, int boundary, bool rising, const EdgeLevels& levels) {
  if (window.length() == 0) return EyeMetrics::kUnmeasured;
  return EdgeDuration(window, boundary, rising ? +1 : -1, levels);
}

// Each direction's window with the sample at which its new bit starts.
struct EdgeWindows {
  Vector rising, falling;
  int risingBoundary = 0, fallingBoundary = 0;
};

EdgeTimes TimeEdges(const EdgeWindows& w, const EyeFrame& frame) {
  return {TimeEdge(w.rising, w.risingBoundary, true, LevelsFor(frame, 0.1, 0.9, true)),
          TimeEdge(w.falling, w.fallingBoundary, false, LevelsFor(frame, 0.1, 0.9, false)),
          TimeEdge(w.rising, w.risingBoundary, true, LevelsFor(frame, 0.2, 0.8, true)),
          TimeEdge(w.falling, w.fallingBoundary, false, LevelsFor(frame, 0.2, 0.8, false))};
}

EdgeWindows IsolatedWindows(const Vector& signal, const std::vector<Transition>& transitions, int samplesPerBit) {
  EdgeWindows w;
  const int rising = MostIsolated(transitions, true);
  const int falling = MostIsolated(transitions, false);
  if (rising >= 0) {
    w.rising = IsolatedEdgeWindow(signal, transitions[rising], samplesPerBit);
    w.risingBoundary = transitions[rising].runBefore * samplesPerBit;
  }
  if (falling >= 0) {
    w.falling = IsolatedEdgeWindow(signal, transitions[falling], samplesPerBit);
    w.fallingBoundary = transitions[falling].runBefore * samplesPerBit;
  }
  return w;
}

EdgeWindows AverageWindows(const Vector& signal, const std::vector<Transition>& transitions, int samplesPerBit) {
  EdgeWindows w;
  w.rising = AverageEdgeWindow(signal, transitions, true, samplesPerBit);
  w.falling = AverageEdgeWindow(signal, transitions, false, samplesPerBit);
  w.risingBoundary = samplesPerBit;
  w.fallingBoundary = samplesPerBit;
  return w;
}

void MeasureEdges(const Vector& signal, const IntVector& bits, const EyeFrame& frame, EyeMetrics& m) {
  const std::vector<Transition> transitions = FindTransitions(bits);
  const int samplesPerBit = frame.samplesPerBit;
  const double samplePs = SampleSpacingPs(frame);
  const EdgeTimes isolated = TimeEdges(IsolatedWindows(signal, transitions, samplesPerBit), frame);
  m.rise1090 = isolated.rise1090 * samplePs;
  m.fall1090 = isolated.fall1090 * samplePs;
  m.rise2080 = isolated.rise2080 * samplePs;
  m.fall2080 = isolated.fall2080 * samplePs;
  const EdgeTimes average = TimeEdges(AverageWindows(signal, transitions, samplesPerBit), frame);
  m.averageRise1090 = average.rise1090 * samplePs;
  m.averageFall1090 = average.fall1090 * samplePs;
  m.averageRise2080 = average.rise2080 * samplePs;
  m.averageFall2080 = average.fall2080 * samplePs;
}

}  // namespace

EyeMetrics MeasureEye(const Matrix& traces, const IntVector& bits, const EyeFrame& frame) {
  EyeMetrics m;
  if (!IsUsable(frame)) return m;
  const Vector signal = UnrollTraceTable(traces, frame.samplesPerBit, frame.threeCells);
  if (signal.length() == 0 || bits.length() != traces.cols() || !AllFinite(signal)) return m;
  const int lag = CellLag(signal, bits, frame.samplesPerBit, Threshold(frame));
  const IntVector aligned = DelayBits(bits, lag);
  MeasureOpening(signal, aligned, frame.samplesPerBit, m);
  MeasureCrossings(signal, frame, m);
  MeasureEdges(signal, aligned, frame, m);
  const LevelExcursion excursion = MeasureExcursion(signal, frame);
  m.overshoot = excursion.overshoot;
  m.undershoot = excursion.undershoot;
  return m;
}

}  // namespace tovan
