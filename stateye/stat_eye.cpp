#include "stateye/stat_eye.h"

#include <algorithm>
#include <limits>

#include "engine/signal_engine.h"
#include "measure/engine_eye.h"

namespace tovan {

StatEye ComputeStatEyeFigures(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                              const StatEyeResolution& resolution) {
  StatEye eye;
  eye.settings = settings;
  if (signal.empty()) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    eye.figures = {none, none, none};
    return eye;
  }
  eye.horizontal = HorizontalBathtub(signal, settings, resolution.bathtubPoints);
  eye.figures = SolveEyeAtBer(signal, settings, eye.horizontal);
  const ThresholdRange thresholds = MapThresholds(signal);
  eye.vertical = VerticalBathtub(signal, settings, eye.figures.bestPhase, thresholds.low, thresholds.high,
                                 resolution.bathtubPoints);
  return eye;
}

StatEye ComputeStatEye(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                       const StatEyeResolution& resolution) {
  StatEye eye = ComputeStatEyeFigures(signal, settings, resolution);
  if (signal.empty()) return eye;
  eye.map = ComputeBerMap(signal, settings, resolution.mapColumns, resolution.mapRows);
  std::vector<double> levels(kContourLevels.begin(), kContourLevels.end());
  if (std::find(levels.begin(), levels.end(), settings.targetBer) == levels.end()) levels.push_back(settings.targetBer);
  for (double ber : levels) {
    BerContour contour{ber, MapContours(eye.map, Log10Ber(ber)), {}};
    contour.eye = LineAround(contour.lines, eye.figures.bestPhase, signal.midLevel);
    eye.contours.push_back(std::move(contour));
  }
  return eye;
}

PeriodicEyeSignal EngineEyeSignal(SignalEngine& engine) {
  const Matrix& traces = engine.OutputTraces();
  return MakePeriodicEyeSignal(traces, engine.Sequence(), EngineEyeFrame(engine));
}

}  // namespace tovan
