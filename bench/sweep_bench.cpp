// The command line's sweep: a 100-point bandwidth sweep at the defaults, the whole of
// it on one engine as tovan-cli runs it (target: under 0.2 s), and one point of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "cli/engine_setup.h"
#include "cli/sweep_run.h"
#include "engine/signal_engine.h"
#include "measure/engine_eye.h"

namespace tovan {
namespace {

CliOptions SweepOptions(const char* sweep) {
  CliOptions options;
  options.sweep = ParseSweep(sweep).value;
  return options;
}

void WholeSweep(benchmark::State& state, const char* sweep) {
  const CliOptions options = SweepOptions(sweep);
  if (!options.sweep) return state.SkipWithError("bad sweep");
  std::ostringstream silent;
  for (auto _ : state) {
    auto engine = std::make_unique<SignalEngine>();
    ConfigureEngine(*engine, options);
    ProgressBar progress(silent, 0, false);
    benchmark::DoNotOptimize(SweepRows(*engine, options, *options.sweep, progress));
  }
}

void BM_BandwidthSweep100Points(benchmark::State& state) {
  WholeSweep(state, "bandwidth=1:10.9:0.1");
}
BENCHMARK(BM_BandwidthSweep100Points)->Unit(benchmark::kMillisecond);

void BM_RolloffSweep25Points(benchmark::State& state) { WholeSweep(state, "rolloff=0:480:20"); }
BENCHMARK(BM_RolloffSweep25Points)->Unit(benchmark::kMillisecond);

// One point: a changed bandwidth, the recomputation and the eye of both tables.
void BM_BandwidthSweepOnePoint(benchmark::State& state) {
  const CliOptions options;
  SignalEngine engine;
  ConfigureEngine(engine, options);
  engine.OutputTraces();
  bool raise = false;
  for (auto _ : state) {
    engine.bandwidth.Write(raise ? 6.1 : 6.0);
    raise = !raise;
    benchmark::DoNotOptimize(MeasureEngineEye(engine));
  }
}
BENCHMARK(BM_BandwidthSweepOnePoint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tovan
