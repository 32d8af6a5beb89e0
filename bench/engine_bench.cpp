// Engine timings: the first computation, one recomputation after a change of each
// parameter, and an accessor call with nothing changed.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"

namespace tovan {
namespace {

void FirstComputation(benchmark::State& state, int samplesPerBit) {
  for (auto _ : state) {
    auto engine = std::make_unique<SignalEngine>();
    ApplyScopePreset(*engine, 0);
    engine->samplesPerBit.Write(samplesPerBit);
    benchmark::DoNotOptimize(&engine->OutputTraces());
  }
}

void BM_FirstComputationPreset0(benchmark::State& state) { FirstComputation(state, 32); }
void BM_FirstComputation256SamplesPerBit(benchmark::State& state) { FirstComputation(state, 256); }

// The start-up state, computed once.
std::unique_ptr<SignalEngine> ComputedEngine() {
  auto engine = std::make_unique<SignalEngine>();
  ApplyScopePreset(*engine, 0);
  engine->OutputTraces();
  return engine;
}

// Each iteration writes the other of two values, so every accessor call recomputes.
template <class T>
void Recompute(benchmark::State& state, InputCell<T> SignalEngine::*cell, T a, T b) {
  const auto engine = ComputedEngine();
  bool useA = false;
  for (auto _ : state) {
    ((*engine).*cell).Write(useA ? a : b);
    useA = !useA;
    benchmark::DoNotOptimize(&engine->OutputTraces());
  }
  if (engine->Failed()) state.SkipWithError("the engine failed");
}

void BM_ChangeBitrate(benchmark::State& s) { Recompute(s, &SignalEngine::bitrate, 3.125, 3.2); }
void BM_ChangeRisetime(benchmark::State& s) { Recompute(s, &SignalEngine::risetime, 0.055, 0.056); }
void BM_ChangeSamplesPerBit(benchmark::State& s) {
  Recompute(s, &SignalEngine::samplesPerBit, 32, 64);
}
void BM_ChangeBandwidth(benchmark::State& s) { Recompute(s, &SignalEngine::bandwidth, 6.0, 6.1); }
void BM_ChangeRolloff(benchmark::State& s) { Recompute(s, &SignalEngine::rolloff, 300.0, 320.0); }
void BM_ChangeGroupDelay(benchmark::State& s) {
  Recompute(s, &SignalEngine::groupDelay, -0.032, -0.033);
}
void BM_ChangeShow3BitCells(benchmark::State& s) {
  Recompute(s, &SignalEngine::show3BitCells, false, true);
}

void BM_ChangeOneFlatnessLevel(benchmark::State& state) {
  const auto engine = ComputedEngine();
  bool raise = false;
  for (auto _ : state) {
    engine->flatnessLevels[3].Write(raise ? 1.0 : 0.5);
    raise = !raise;
    benchmark::DoNotOptimize(&engine->OutputTraces());
  }
  if (engine->Failed()) state.SkipWithError("the engine failed");
}

void BM_AccessorWithNothingChanged(benchmark::State& state) {
  const auto engine = ComputedEngine();
  for (auto _ : state) benchmark::DoNotOptimize(&engine->OutputTraces());
}

BENCHMARK(BM_FirstComputationPreset0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstComputation256SamplesPerBit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeBitrate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeRisetime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeSamplesPerBit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeBandwidth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeRolloff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeGroupDelay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeOneFlatnessLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeShow3BitCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccessorWithNothingChanged);

}  // namespace
}  // namespace tovan
