#include "document/engine_document.h"

#include "document/engine_json_values.h"
#include "document/json_writer.h"
#include "document/metrics_json.h"
#include "document/stage_document.h"
#include "document/stat_eye_json.h"

namespace tovan {

namespace {

void WriteParameters(JsonWriter& json, const SignalEngine& engine) {
  json.BeginObject();
  json.Key("bitrate");
  json.Number(engine.bitrate.value);
  json.Key("risetime");
  json.Number(engine.risetime.value);
  json.Key("samplesPerBit");
  json.Integer(engine.samplesPerBit.value);
  json.Key("bandwidth");
  json.Number(engine.bandwidth.value);
  json.Key("rolloff");
  json.Number(engine.rolloff.value);
  json.Key("groupDelay");
  json.Number(engine.groupDelay.value);
  json.Key("flatnessLevels");
  json.BeginArray();
  for (const InputCell<double>& level : engine.flatnessLevels) json.Number(level.value);
  json.EndArray();
  json.Key("show3BitCells");
  json.Boolean(engine.show3BitCells.value);
  json.Key("noiseAmplitude");
  json.Number(engine.noiseAmplitude.value);
  json.EndObject();
}

void WriteTraces(JsonWriter& json, SignalEngine& engine) {
  json.Key("inputTraces");
  WriteColumns(json, engine.InputTraces());
  json.Key("outputTraces");
  WriteColumns(json, engine.OutputTraces());
  json.Key("scopeMagnitudeTrace");
  WriteSampleTable(json, engine.ScopeMagnitudeTrace());
  json.Key("scopePhaseTrace");
  WriteSampleTable(json, engine.ScopePhaseTrace());
  json.Key("outputSpectrumTrace");
  WriteSampleTable(json, engine.OutputSpectrumTrace());
  json.Key("inputSpectrumTrace");
  WriteSampleTable(json, engine.InputSpectrumTrace());
}

}  // namespace

std::string EngineDocument(SignalEngine& engine, DocumentParts parts) {
  engine.OutputTraces();
  JsonWriter json;
  json.BeginObject();
  json.Key("parameters");
  WriteParameters(json, engine);
  json.Key("failed");
  json.Boolean(engine.Failed());
  WriteTraces(json, engine);
  if (parts.metrics) {
    json.Key("metrics");
    WriteEyeComparison(json, MeasureEngineEye(engine));
  }
  if (parts.statEye) {
    json.Key("statEye");
    WriteStatEye(json, ComputeStatEye(EngineEyeSignal(engine), *parts.statEye));
  }
  if (parts.stages) {
    json.Key("stages");
    WriteStages(json, engine);
  }
  json.EndObject();
  return json.TakeText();
}

}  // namespace tovan
