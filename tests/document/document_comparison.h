#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace tovan::cli_test {

// Where two engine documents first part ways.
struct FirstDifference {
  std::string path;       // e.g. "stages.scopeResponse[17][0]"
  std::string reference;  // the reference's value there, or what it has ("array of 2049")
  std::string candidate;
};

// Walks the reference in pipeline order: "parameters", "failed", then the stages (sequence,
// waveform, waveformSpectrum, frequencyAxis, riseFilter, riseResponse, inputSignal,
// scopeFilter, scopeResponse, groupDelayCurve, groupDelayResponse, powerLaw,
// flatnessFitIterations, flatnessFitParameters, flatnessTargetRatio, fittedZeros,
// fittedPoles, flatnessFilter, flatnessResponse, outputSignal) when the reference has them,
// then the six traces, then whatever else either side holds. Numbers match only when
// their doubles are bit-identical (so -0.0 differs from 0.0), null only null.
// Nothing when every value matches.
std::optional<FirstDifference> FindFirstDifference(const nlohmann::ordered_json& reference,
                                                   const nlohmann::ordered_json& candidate);

// "stages.waveform[3]: reference -0.6, candidate -0.59999999999999998 (1 ulp apart)".
std::string Describe(const FirstDifference& difference);

}  // namespace tovan::cli_test
