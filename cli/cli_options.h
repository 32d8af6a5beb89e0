#pragma once

#include <array>
#include <optional>
#include <string>

#include "cli/sweep_spec.h"
#include "engine/scope_preset_table.h"
#include "stateye/stat_eye_settings.h"
#include "response/response_table.h"
#include "setup/setup.h"

namespace tovan {

// What one command line asks for, in the units the controls show (ps for risetime
// and group delay). Absent values leave the engine's cell as the preset (or the
// engine default) left it.
// Two setup files whose eyes --compare sets side by side, each with the table of
// its response block when it has one.
struct SetupPair {
  Setup a;
  Setup b;
  std::optional<ResponseTable> responseA;
  std::optional<ResponseTable> responseB;
};

struct CliOptions {
  // --setup: written into the engine first; the options given after it override it.
  std::optional<Setup> setup;
  bool applyPreset = true;  // false with --no-preset, and with --setup unless --preset follows it
  int preset = 0;
  std::optional<double> bitrateGbps;
  std::optional<double> risetimePs;
  std::optional<int> samplesPerBit;
  std::optional<double> bandwidthGhz;
  std::optional<double> rolloffDbPerDecade;
  std::optional<double> groupDelayPs;
  std::optional<std::array<double, kFlatnessLevelCount>> flatnessDb;
  std::optional<ResponseTable> response;  // read from --response while checking
  std::string responseFile;                // the file response was read from, for --save-setup
  ResponseMode responseMode = ResponseMode::kReplace;
  bool threeCells = false;
  bool json = false;
  bool stages = false;
  bool metrics = false;
  std::optional<StatEyeSettings> statEye;  // with --stat-eye: noise in V, rj and dj in ps
  std::optional<StatEyeSetup> statEyeSetup;  // the same in the controls' units (noise in mV)
  std::optional<std::string> csvDirectory;
  std::optional<SweepRequest> sweep;
  std::optional<int> jobs;  // threads of the sweep; absent: one per core
  std::optional<std::string> pngTimePath;
  std::optional<std::string> pngFreqPath;
  int pngWidth = 800;  // pixels of the plot itself; a figure adds its margins
  int pngHeight = 500;
  bool barePictures = false;  // --bare: the plot alone, no axes, legend or title
  std::optional<std::string> saveSetupPath;  // --save-setup
  std::optional<SetupPair> compare;
};

}  // namespace tovan
