#include "cli/sweep_output.h"

#include "document/json_writer.h"
#include "document/metrics_json.h"
#include "document/number_format.h"
#include "document/stat_eye_json.h"

namespace tovan {

namespace {

void AppendValue(std::string& text, const SweptParameter& parameter, double value) {
  if (WholeNumberSweep(parameter.kind))
    text += std::to_string(static_cast<long long>(value));
  else
    AppendShortest(text, value);
}

void AppendFigures(std::string& text, const EyeMetrics& metrics) {
  for (const EyeMetricField& field : DocumentedEyeFields()) {
    text += ',';
    AppendShortest(text, metrics.*field.member);
  }
}

}  // namespace

std::string SweepCsv(const SweptParameter& parameter, const std::vector<SweepRow>& rows) {
  std::string text = parameter.name;
  for (const char* side : {"input_", "output_", "difference_"})
    for (const EyeMetricField& field : DocumentedEyeFields())
      text += "," + (side + std::string(field.key));
  const bool statEye = !rows.empty() && rows.front().statEye;
  if (statEye) text += ",statEyeHeight,statEyeWidth,statBestPhase";
  text += '\n';
  for (const SweepRow& row : rows) {
    AppendValue(text, parameter, row.value);
    AppendFigures(text, row.eye.input);
    AppendFigures(text, row.eye.output);
    AppendFigures(text, row.eye.difference);
    if (row.statEye) {
      for (double figure : {row.statEye->eyeHeight, row.statEye->eyeWidth, row.statEye->bestPhase}) {
        text += ',';
        AppendShortest(text, figure);
      }
    }
    text += '\n';
  }
  return text;
}

std::string SweepDocument(const SweptParameter& parameter, const std::vector<SweepRow>& rows) {
  JsonWriter json;
  json.BeginObject();
  json.Key("sweep");
  json.String(parameter.name);
  json.Key("rows");
  json.BeginArray();
  for (const SweepRow& row : rows) {
    json.BeginObject();
    json.Key("value");
    if (WholeNumberSweep(parameter.kind))
      json.Integer(static_cast<long long>(row.value));
    else
      json.Number(row.value);
    json.Key("metrics");
    WriteEyeComparison(json, row.eye);
    if (row.statEye) {
      json.Key("statEye");
      WriteStatEyeFigures(json, *row.statEye);
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.TakeText();
}

}  // namespace tovan
