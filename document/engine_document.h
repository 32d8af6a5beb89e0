#pragma once

#include <optional>
#include <string>

#include "engine/signal_engine.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// The --json document of one engine run, compact, in this key order:
// "parameters" (the public cells: bitrate, risetime and groupDelay in ns,
// samplesPerBit, bandwidth, rolloff, flatnessLevels [10], show3BitCells,
// noiseAmplitude), with a measured response loaded "response" ({"file", "format",
// "ports" (null for CSV), "points", "fromGHz", "toGHz", "mode"}), "failed", "inputTraces" and "outputTraces" (each the list of
// its matrix's columns, one column per trace), "scopeMagnitudeTrace",
// "scopePhaseTrace", "outputSpectrumTrace", "inputSpectrumTrace" (each
// {"abscissae", "ordinates"}), then with metrics "metrics" (MeasureEngineEye as in
// metrics_json.h), with statEye "statEye" (the output's statistical eye with those
// settings, stat_eye_json.h), and with stages "stages" (stage_document.h). The traces are
// brought up to date before "failed" is read, so the flag describes the results
// written.
struct DocumentParts {
  bool metrics = false;
  bool stages = false;
  std::optional<StatEyeSettings> statEye = std::nullopt;
};
std::string EngineDocument(SignalEngine& engine, DocumentParts parts = {});

}  // namespace tovan
