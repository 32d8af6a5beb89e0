#pragma once

#include <array>

namespace tovan {

inline constexpr int kPresetCount = 8;
inline constexpr int kFlatnessLevelCount = 10;
// presetIndex value meaning the scope settings match no preset row.
inline constexpr int kCustomPreset = 9;

// The eight scope-and-probe presets as parallel arrays indexed by preset number.
// presetFlatness[k][p] is the level at (k + 1) GHz of preset p.
struct ScopePresetTable {
  std::array<double, kPresetCount> presetBandwidth{6.0, 6.0, 6.0, 6.0, 6.0, 4.1, 7.0, 4.1};
  std::array<double, kPresetCount> presetRolloff{300, 300, 440, 440, 120, 140, 320, 140};
  // Written into the engine in ns as the integer times 0.001.
  std::array<int, kPresetCount> presetGroupDelayPs{-32, -32, -162, -60, 43, 32, 0, 32};
  std::array<std::array<double, kPresetCount>, kFlatnessLevelCount> presetFlatness{{
      {0.0, -0.5, 0.0, -0.5, -0.5, 0.5, 0.0, 0.5},
      {0.0, -0.5, 0.0, -1.0, -0.5, 1.5, 0.0, 1.5},
      {0.0, 0.0, 0.5, -1.0, 0.0, 2.5, 0.0, 2.5},
      {0.5, 0.5, 1.0, -1.0, 0.0, 3.0, 0.0, 3.0},
      {0.5, 0.5, 1.5, 1.0, 0.0, 2.0, 0.0, 2.0},
      {1.0, 1.0, 3.0, 0.5, 0.0, 0.0, 1.5, 0.0},
      {1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 2.0, 0.0},
      {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.5, 0.0},
      {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
      {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
  }};
  // The chooser's captions: group box and radio button of each preset.
  std::array<const char*, kPresetCount> groupCaption{"Mardel",  "Mardel",  "Brand A", "Brand A",
                                                     "Brand B", "Brand B", "Brand B", "Brand B"};
  std::array<const char*, kPresetCount> radioCaption{
      "Tidewell 6 GHz", "w/ T520K probe",      "6Ghz Scope",  "w/ 7GHz diff. probe",
      "6 GHz Scope",    "w/ 5 GHz diff probe", "7 GHz Scope", "w/ 5 GHz diff probe"};
};

inline constexpr ScopePresetTable kScopePresets{};

class SignalEngine;

// Writes row `preset` (0 ... 7) into the engine's scope cells by the ordinary cell
// write, so only changed values stamp anything.
void ApplyScopePreset(SignalEngine& engine, int preset);

}  // namespace tovan
