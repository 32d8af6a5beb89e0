#pragma once

#include <array>
#include <optional>
#include <string>

#include "cli/sweep_spec.h"
#include "engine/scope_preset_table.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// What one command line asks for, in the units the controls show (ps for risetime
// and group delay). Absent values leave the engine's cell as the preset (or the
// engine default) left it.
struct CliOptions {
  bool applyPreset = true;  // false with --no-preset
  int preset = 0;
  std::optional<double> bitrateGbps;
  std::optional<double> risetimePs;
  std::optional<int> samplesPerBit;
  std::optional<double> bandwidthGhz;
  std::optional<double> rolloffDbPerDecade;
  std::optional<double> groupDelayPs;
  std::optional<std::array<double, kFlatnessLevelCount>> flatnessDb;
  bool threeCells = false;
  bool json = false;
  bool stages = false;
  bool metrics = false;
  std::optional<StatEyeSettings> statEye;  // with --stat-eye: noise in V, rj and dj in ps
  std::optional<std::string> csvDirectory;
  std::optional<SweepRequest> sweep;
  std::optional<int> jobs;  // threads of the sweep; absent: one per core
  std::optional<std::string> pngTimePath;
  std::optional<std::string> pngFreqPath;
  int pngWidth = 800;  // pixels
  int pngHeight = 500;
};

}  // namespace tovan
