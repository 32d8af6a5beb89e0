#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/scope_preset_table.h"

namespace tovan {

// The version this build writes, and the newest it reads.
inline constexpr int kSetupVersion = 1;

// The window's check boxes: what each view draws.
struct SetupViews {
  bool timeGrid = true;
  bool timeInput = true;   // the input bit pattern
  bool timeOutput = true;  // the scope-affected bit pattern
  bool freqGrid = true;
  bool freqMagnitude = true;       // the scope's magnitude response
  bool freqPhase = true;           // the scope's phase response
  bool freqInputSpectrum = true;   // the input pattern's spectrum
  bool freqOutputSpectrum = true;  // the scope-affected pattern's spectrum
  bool printColors = false;

  bool operator==(const SetupViews&) const = default;
};

// A measured scope response: the file (an absolute path once read) and how it meets
// the modelled scope, "replace" or "cascade".
struct ResponseSetup {
  std::string file;
  std::string mode;

  bool operator==(const ResponseSetup&) const = default;
};

// The statistical eye's jitter, noise and target bit error ratio.
struct StatEyeSetup {
  double rjPs = 0.0;     // random jitter, RMS
  double djPs = 0.0;     // deterministic jitter, dual-Dirac peak to peak
  double noiseMv = 0.0;  // vertical noise, RMS
  double ber = 1e-12;

  bool operator==(const StatEyeSetup&) const = default;
};

// Everything a user sets, in the units the controls show. The defaults are the
// program's start: preset 0 with the engine's input signal defaults.
struct Setup {
  int preset = 0;  // 0 ... kPresetCount - 1, or kCustomPreset
  double bitrateGbps = 3.125;
  double risetimePs = 55.0;
  int samplesPerBit = 32;
  double bandwidthGhz = 6.0;
  double rolloffDbPerDecade = 300.0;
  double groupDelayPs = -32.0;
  std::array<double, kFlatnessLevelCount> flatnessDb{0.0, 0.0, 0.0, 0.5, 0.5,
                                                     1.0, 1.0, 0.0, 0.0, 0.0};
  bool threeCells = false;
  // Present only where a setup names a measured response or statistical-eye settings.
  std::optional<ResponseSetup> response;
  std::optional<StatEyeSetup> statEye;
  SetupViews views;

  bool operator==(const Setup&) const = default;
};

}  // namespace tovan
