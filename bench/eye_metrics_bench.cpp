// The eye figures at the finest sampling with three cells per trace: the read-out
// follows the plots on every timer tick, so measuring both tables must stay well
// under a frame (target: 5 ms).
#include <benchmark/benchmark.h>

#include "engine/signal_engine.h"
#include "measure/engine_eye.h"
#include "measure/measure_eye.h"

namespace tovan {
namespace {

void ConfigureFinestThreeCells(SignalEngine& engine) {
  engine.samplesPerBit.Write(256);
  engine.show3BitCells.Write(true);
}

void BM_MeasureEyeOneTable(benchmark::State& state) {
  SignalEngine engine;
  ConfigureFinestThreeCells(engine);
  const Matrix& traces = engine.OutputTraces();
  const IntVector& bits = engine.Sequence();
  const EyeFrame frame = EngineEyeFrame(engine);
  for (auto _ : state) benchmark::DoNotOptimize(MeasureEye(traces, bits, frame));
  state.counters["rows"] = traces.rows();
  state.counters["columns"] = traces.cols();
}
BENCHMARK(BM_MeasureEyeOneTable)->Unit(benchmark::kMillisecond);

// Input and output with their difference, the engine's traces already current.
void BM_MeasureEngineEye(benchmark::State& state) {
  SignalEngine engine;
  ConfigureFinestThreeCells(engine);
  engine.OutputTraces();
  for (auto _ : state) benchmark::DoNotOptimize(MeasureEngineEye(engine));
}
BENCHMARK(BM_MeasureEngineEye)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tovan
