#pragma once

#include "document/json_writer.h"
#include "engine/signal_engine.h"

namespace tovan {

// The "stages" object: every intermediate result in pipeline order, for finding
// where two models of the engine part ways. Keys: sequence, waveform,
// waveformSpectrum, frequencyAxis, riseFilter, riseResponse, inputSignal,
// scopeFilter, scopeResponse, groupDelayCurve, groupDelayResponse, powerLaw ({"A",
// "p", "iterations"}, or null when the power law was not fitted),
// flatnessFitIterations, flatnessFitParameters, flatnessTargetRatio, fittedZeros,
// fittedPoles (before cancellation), flatnessFilter, flatnessResponse, outputSignal.
// Complex values are [re, im] pairs, filters their coefficients in ascending powers.
void WriteStages(JsonWriter& json, SignalEngine& engine);

}  // namespace tovan
