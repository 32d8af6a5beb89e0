#include "cli/sweep_run.h"

#include <memory>

#include "cli/engine_setup.h"
#include "document/number_format.h"
#include "stateye/stat_eye.h"

namespace tovan {

std::vector<SweepRow> SweepRows(SignalEngine& engine, const CliOptions& options,
                                const SweepRequest& sweep, ProgressBar& progress) {
  std::vector<SweepRow> rows;
  rows.reserve(sweep.values.size());
  for (const double value : sweep.values) {
    WriteSweptValue(engine, options, sweep.parameter, value);
    const EyeComparison eye = MeasureEngineEye(engine);
    if (engine.Failed()) break;
    SweepRow row{value, eye, std::nullopt};
    if (options.statEye) row.statEye = ComputeStatEyeFigures(EngineEyeSignal(engine), *options.statEye).figures;
    rows.push_back(row);
    progress.Update(static_cast<int>(rows.size()));
  }
  progress.Finish();
  return rows;
}

int RunSweep(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress) {
  if (!options.sweep) return 0;
  const SweepRequest& sweep = *options.sweep;
  const auto engine = std::make_unique<SignalEngine>();
  ConfigureEngine(*engine, options);
  ProgressBar progress(err, static_cast<int>(sweep.values.size()), showProgress);
  const std::vector<SweepRow> rows = SweepRows(*engine, options, sweep, progress);
  const std::string text =
      options.json ? SweepDocument(sweep.parameter, rows) + "\n" : SweepCsv(sweep.parameter, rows);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (rows.size() == sweep.values.size()) return 0;
  err << "tovan-cli: the computation failed at " << sweep.parameter.name << " "
      << PlainText(sweep.values[rows.size()]) << "; only the rows before it are written\n";
  return 1;
}

}  // namespace tovan
