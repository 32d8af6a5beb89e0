#include "python/sweep.h"

#include "document/metrics_json.h"
#include "measure/engine_eye.h"

namespace tovan::python {

namespace {

void AppendFigures(SweepColumns& columns, const char* side, const EyeMetrics& metrics) {
  for (const EyeMetricField& field : DocumentedEyeFields())
    columns[std::string(side) + field.key].push_back(metrics.*field.member);
}

}  // namespace

SweepColumns Sweep(const std::string& name, const std::vector<double>& values,
                   const std::vector<std::pair<std::string, double>>& settings) {
  EngineHandle handle;
  for (const auto& [setting, value] : settings) handle.SetByName(setting, value);
  // Every value is checked before anything is computed: a refused one costs nothing.
  EngineHandle checker;
  for (double value : values) checker.SetByName(name, value);
  SweepColumns columns;
  columns[name];
  for (double value : values) {
    handle.SetByName(name, value);
    const EyeComparison eye = MeasureEngineEye(handle.Engine());
    if (handle.Engine().Failed()) break;
    columns[name].push_back(value);
    AppendFigures(columns, "input_", eye.input);
    AppendFigures(columns, "output_", eye.output);
    AppendFigures(columns, "difference_", eye.difference);
  }
  return columns;
}

}  // namespace tovan::python
