#pragma once

#include <array>

namespace tovan {

// The engine's cached stages, for counting recomputations.
enum class EngineStage {
  kPattern,
  kWaveform,
  kAxes,
  kRiseFilter,
  kInputTraces,
  kGroupDelay,
  kScopeFilter,
  kFlatnessFit,
  kFlatnessResponse,
  kOutputs,
  kMeasuredResponse,
  kCount
};

using StageCounts = std::array<int, static_cast<int>(EngineStage::kCount)>;

}  // namespace tovan
