#include "document/stage_document.h"

#include "document/engine_json_values.h"

namespace tovan {

namespace {

void WritePowerLaw(JsonWriter& json, const FitDiagnostics& diagnostics) {
  if (!diagnostics.powerLawFitted) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("A");
  json.Number(diagnostics.powerLawAmplitude);
  json.Key("p");
  json.Number(diagnostics.powerLawExponent);
  json.Key("iterations");
  json.Integer(diagnostics.powerLawIterations);
  json.EndObject();
}

void WriteInputStages(JsonWriter& json, SignalEngine& engine) {
  json.Key("sequence");
  WriteValues(json, engine.Sequence());
  json.Key("waveform");
  WriteValues(json, engine.Waveform());
  json.Key("waveformSpectrum");
  WriteValues(json, engine.WaveformSpectrum());
  json.Key("frequencyAxis");
  WriteValues(json, engine.FrequencyAxis());
  json.Key("riseFilter");
  WriteCoefficients(json, engine.RiseFilter());
  json.Key("riseResponse");
  WriteValues(json, engine.RiseResponse());
  json.Key("inputSignal");
  WriteValues(json, engine.InputSignal());
}

void WriteScopeStages(JsonWriter& json, SignalEngine& engine) {
  json.Key("scopeFilter");
  WriteCoefficients(json, engine.ScopeFilter());
  json.Key("scopeResponse");
  WriteValues(json, engine.ScopeResponse());
  json.Key("groupDelayCurve");
  WriteValues(json, engine.GroupDelayCurve());
  json.Key("groupDelayResponse");
  WriteValues(json, engine.GroupDelayResponse());
}

void WriteFlatnessStages(JsonWriter& json, SignalEngine& engine) {
  const FitDiagnostics& diagnostics = engine.Diagnostics();
  json.Key("powerLaw");
  WritePowerLaw(json, diagnostics);
  json.Key("flatnessFitIterations");
  json.Integer(diagnostics.flatnessIterations);
  json.Key("flatnessFitParameters");
  WriteValues(json, diagnostics.flatnessParameters);
  json.Key("flatnessTargetRatio");
  WriteValues(json, diagnostics.flatnessTarget);
  json.Key("fittedZeros");
  WriteValues(json, diagnostics.fittedZeros);
  json.Key("fittedPoles");
  WriteValues(json, diagnostics.fittedPoles);
  json.Key("flatnessFilter");
  WriteCoefficients(json, engine.FlatnessFilter());
  json.Key("flatnessResponse");
  WriteValues(json, engine.FlatnessResponse());
}

}  // namespace

void WriteStages(JsonWriter& json, SignalEngine& engine) {
  json.BeginObject();
  WriteInputStages(json, engine);
  WriteScopeStages(json, engine);
  WriteFlatnessStages(json, engine);
  json.Key("outputSignal");
  WriteValues(json, engine.OutputSignal());
  json.EndObject();
}

}  // namespace tovan
