#pragma once

#include <string>

namespace tovan {

class SignalEngine;

// The line of settings a report figure carries as its title, from the engine's input
// cells as the main window shows them: "3.125 Gbps, risetime 55 ps, 32 samples per
// bit, bandwidth 6.0 GHz, rolloff 300 dB/decade, group delay -32 ps, Mardel Tidewell
// 6 GHz" (the last part is `presetName`).
std::string SettingsLine(const SignalEngine& engine, const std::string& presetName);

// A preset row's name, its chooser group and radio captions ("Mardel Tidewell 6
// GHz"); "Custom" for any index that is not a row.
std::string PresetName(int presetIndex);

}  // namespace tovan
