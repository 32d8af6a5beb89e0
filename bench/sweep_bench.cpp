// The command line's work, output written to a string: the default JSON document, and
// a 100-point bandwidth sweep at the defaults on one and on two threads as tovan-cli
// runs it (target: under 0.2 s), a 25-point rolloff sweep, and one point of a sweep.
#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/engine_setup.h"
#include "cli/run_command.h"
#include "cli/sweep_run.h"
#include "engine/signal_engine.h"
#include "measure/engine_eye.h"

namespace tovan {
namespace {

void BM_DefaultJsonDocument(benchmark::State& state) {
  CliOptions options;
  options.json = true;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(RunCommand(options, out, err, false));
  }
}
BENCHMARK(BM_DefaultJsonDocument)->Unit(benchmark::kMillisecond);

// The argument is the number of threads (--jobs).
void WholeSweep(benchmark::State& state, const char* sweep) {
  CliOptions options;
  options.sweep = ParseSweep(sweep).value;
  if (!options.sweep) return state.SkipWithError("bad sweep");
  options.jobs = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(RunSweep(options, out, err, false));
  }
}

void BM_BandwidthSweep100Points(benchmark::State& state) {
  WholeSweep(state, "bandwidth=1:10.9:0.1");
}
BENCHMARK(BM_BandwidthSweep100Points)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RolloffSweep25Points(benchmark::State& state) { WholeSweep(state, "rolloff=0:480:20"); }
BENCHMARK(BM_RolloffSweep25Points)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

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
