// The statistical eye at the engine's defaults with every spread set: the window
// recomputes it whenever the sliders move, so the figures with both bathtubs must take
// under 20 ms and the BER map for drawing under 50 ms.
#include <benchmark/benchmark.h>

#include "engine/signal_engine.h"
#include "stateye/stat_eye.h"

namespace tovan {
namespace {

StatEyeSettings SpreadsSet() {
  StatEyeSettings settings;
  settings.rj = 2.0;       // ps
  settings.dj = 10.0;      // ps
  settings.noise = 0.005;  // V
  return settings;
}

void BM_FiguresAndBathtubs(benchmark::State& state) {
  SignalEngine engine;
  const PeriodicEyeSignal signal = EngineEyeSignal(engine);
  const StatEyeSettings settings = SpreadsSet();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeStatEyeFigures(signal, settings));
  const StatEye eye = ComputeStatEyeFigures(signal, settings);
  state.counters["eyeHeight_mV"] = eye.figures.eyeHeight * 1000.0;
  state.counters["eyeWidth_ps"] = eye.figures.eyeWidth;
  state.counters["bestPhase_UI"] = eye.figures.bestPhase;
}
BENCHMARK(BM_FiguresAndBathtubs)->Unit(benchmark::kMillisecond);

void BM_BerMap(benchmark::State& state) {
  SignalEngine engine;
  const PeriodicEyeSignal signal = EngineEyeSignal(engine);
  const StatEyeSettings settings = SpreadsSet();
  const StatEyeResolution resolution;
  for (auto _ : state)
    benchmark::DoNotOptimize(ComputeBerMap(signal, settings, resolution.mapColumns, resolution.mapRows));
}
BENCHMARK(BM_BerMap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tovan
