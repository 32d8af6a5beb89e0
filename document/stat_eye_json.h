#pragma once

#include <string>

#include "document/json_writer.h"
#include "stateye/stat_eye.h"

namespace tovan {

// A contour level as a document key: the shortest mantissa and a plain exponent,
// "1e-12", "2.5e-10".
std::string BerKey(double ber);

// {"targetBer", "rj" (ps), "dj" (ps), "noise" (mV RMS, as --noise takes it),
//  "eyeHeight" (V), "eyeWidth" (ps), "bestPhase" (UI),
//  "bathtubHorizontal": {"phaseUi": [...], "log10Ber": [...]},
//  "bathtubVertical": {"volts": [...], "log10Ber": [...]},
//  "contours": {BerKey(level): [[phaseUi, volts], ...], ...}}
// Each contour is the closed line around the best phase at the mid level (empty when the
// eye is closed at that level), at the levels of StatEye::contours in their order.
void WriteStatEye(JsonWriter& json, const StatEye& eye);

// The figures alone: {"eyeHeight", "eyeWidth", "bestPhase"}, for sweep rows.
void WriteStatEyeFigures(JsonWriter& json, const EyeAtBer& figures);

}  // namespace tovan
