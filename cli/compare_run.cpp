#include "cli/compare_run.h"

#include <memory>

#include "cli/engine_setup.h"
#include "cli/setup_options.h"
#include "document/metrics_json.h"
#include "document/metrics_table.h"
#include "measure/engine_eye.h"

namespace tovan {

namespace {

struct SetupRun {
  EyeMetrics eye;
  bool failed;
};

SetupRun RunSetup(const Setup& setup, const std::optional<ResponseTable>& response) {
  CliOptions options;
  options.setup = setup;
  options.applyPreset = false;
  options.response = response;
  options.responseMode = SetupResponseMode(setup);
  const auto engine = std::make_unique<SignalEngine>();
  ConfigureEngine(*engine, options);
  const EyeMetrics eye = MeasureEngineEye(*engine).output;
  return {eye, engine->Failed()};
}

}  // namespace

int RunCompare(const CliOptions& options, std::ostream& out, std::ostream& err) {
  if (!options.compare) return 0;
  const SetupRun a = RunSetup(options.compare->a, options.compare->responseA);
  const SetupRun b = RunSetup(options.compare->b, options.compare->responseB);
  const EyeMetrics difference = Difference(b.eye, a.eye);
  std::string text;
  if (options.json) {
    JsonWriter json;
    WriteEyeTriple(json, {"a", "b", "difference"}, a.eye, b.eye, difference);
    text = json.TakeText() + "\n";
  } else {
    text = MetricsTable({"a", "b", "b - a"}, a.eye, b.eye, difference);
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!a.failed && !b.failed) return 0;
  err << "tovan-cli: the computation failed for setup " << (a.failed ? "A" : "B")
      << "; the figures written are those of the last stages that finished\n";
  return 1;
}

}  // namespace tovan
