// A measured response: reading a 4,000-point two-port file, and reading it plus the
// first computation with it (into an engine already showing preset 0, as the window
// loads a file; and into a fresh engine, as the command line does).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/model_filter_s2p.h"
#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"
#include "response/response_file.h"

namespace tovan {
namespace {

// The preset-0 scope filter at 0.01 ... 40 GHz, RI, GHz.
std::string FourThousandPointFile() {
  SignalEngine model;
  ApplyScopePreset(model, 0);
  return testing_support::ModelFilterAsS2p(model);
}

void BM_ReadS2p4000Points(benchmark::State& state) {
  const std::string text = FourThousandPointFile();
  for (auto _ : state) benchmark::DoNotOptimize(ReadResponseText(text, "scope.s2p"));
}

void BM_ReadS2p4000PointsAndRecompute(benchmark::State& state) {
  const std::string text = FourThousandPointFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<SignalEngine>();
    ApplyScopePreset(*engine, 0);
    engine->OutputTraces();
    state.ResumeTiming();
    engine->responseTable.Write(*ReadResponseText(text, "scope.s2p").value);
    benchmark::DoNotOptimize(&engine->OutputTraces());
  }
}

void BM_ReadS2p4000PointsAndFirstComputation(benchmark::State& state) {
  const std::string text = FourThousandPointFile();
  for (auto _ : state) {
    auto engine = std::make_unique<SignalEngine>();
    ApplyScopePreset(*engine, 0);
    engine->responseTable.Write(*ReadResponseText(text, "scope.s2p").value);
    benchmark::DoNotOptimize(&engine->OutputTraces());
  }
}

BENCHMARK(BM_ReadS2p4000Points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadS2p4000PointsAndRecompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadS2p4000PointsAndFirstComputation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tovan
