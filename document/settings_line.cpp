#include "document/settings_line.h"

#include <cstdio>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"

namespace tovan {

namespace {

constexpr double kPsPerNs = 1000.0;

}  // namespace

std::string SettingsLine(const SignalEngine& engine, const std::string& presetName) {
  char text[512];
  std::snprintf(text, sizeof text,
                "%.3f Gbps, risetime %.0f ps, %d samples per bit, bandwidth %.1f GHz, "
                "rolloff %.0f dB/decade, group delay %.0f ps, %s",
                engine.bitrate.value, engine.risetime.value * kPsPerNs, engine.samplesPerBit.value,
                engine.bandwidth.value, engine.rolloff.value, engine.groupDelay.value * kPsPerNs,
                presetName.c_str());
  return text;
}

std::string PresetName(int presetIndex) {
  if (presetIndex < 0 || presetIndex >= kPresetCount) return "Custom";
  return std::string(kScopePresets.groupCaption[presetIndex]) + " " +
         kScopePresets.radioCaption[presetIndex];
}

}  // namespace tovan
