#include "engine/scope_preset_table.h"

#include "engine/signal_engine.h"

namespace tovan {

void ApplyScopePreset(SignalEngine& engine, int preset) {
  const ScopePresetTable& table = kScopePresets;
  engine.bandwidth.Write(table.presetBandwidth[preset]);
  engine.rolloff.Write(table.presetRolloff[preset]);
  engine.groupDelay.Write(table.presetGroupDelayPs[preset] * 0.001);
  for (int k = 0; k < kFlatnessLevelCount; ++k)
    engine.flatnessLevels[k].Write(table.presetFlatness[k][preset]);
}

}  // namespace tovan
