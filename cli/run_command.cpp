#include "cli/run_command.h"

#include <memory>

#include "document/csv_export.h"
#include "document/engine_document.h"
#include "cli/engine_setup.h"
#include "document/metrics_table.h"
#include "cli/png_export.h"
#include "cli/run_summary.h"
#include "cli/sweep_run.h"
#include "stateye/stat_eye.h"
#include "cli/compare_run.h"
#include "cli/setup_options.h"
#include "setup/setup_writer.h"

namespace tovan {

namespace {

void Write(std::ostream& out, const std::string& text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string TableWithStatEye(SignalEngine& engine, const StatEyeSettings& settings) {
  const EyeComparison eye = MeasureEngineEye(engine);
  const StatEye statEye = ComputeStatEyeFigures(EngineEyeSignal(engine), settings);
  return MetricsTable(eye, &statEye.figures);
}

// What goes to stdout: the document, else the metrics table (with the statistical eye
// when asked for), else (when no file is asked for either) the summary.
void WriteStdout(SignalEngine& engine, const CliOptions& options, std::ostream& out) {
  if (options.json)
    Write(out, EngineDocument(engine, {options.metrics, options.stages, options.statEye}) + "\n");
  else if (options.statEye)
    Write(out, TableWithStatEye(engine, *options.statEye));
  else if (options.metrics)
    Write(out, MetricsTable(MeasureEngineEye(engine)));
  else if (!options.csvDirectory && !options.pngTimePath && !options.pngFreqPath)
    Write(out, RunSummary(engine));
  out.flush();
}

std::string WriteFiles(SignalEngine& engine, const CliOptions& options) {
  std::string problem;
  if (options.csvDirectory) problem = WriteCsvFiles(engine, *options.csvDirectory);
  if (problem.empty()) problem = WritePngFiles(engine, options);
  return problem;
}

}  // namespace

int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
               bool errIsTerminal) {
  if (options.compare) return RunCompare(options, out, err);
  if (options.saveSetupPath) {
    const std::string problem = WriteSetupFile(*options.saveSetupPath, EffectiveSetup(options));
    if (!problem.empty()) {
      err << "tovan-cli: " << problem << '\n';
      return 1;
    }
  }
  if (options.sweep) return RunSweep(options, out, err, errIsTerminal);
  const auto engine = std::make_unique<SignalEngine>();
  ConfigureEngine(*engine, options);
  WriteStdout(*engine, options, out);
  if (const std::string problem = WriteFiles(*engine, options); !problem.empty()) {
    err << "tovan-cli: " << problem << '\n';
    return 1;
  }
  if (engine->Failed()) {
    err << "tovan-cli: the computation failed; the results written are those of the last "
           "stages that finished\n";
    return 1;
  }
  return 0;
}

}  // namespace tovan
