#include "cli/engine_setup.h"

#include "engine/scope_preset_table.h"

namespace tovan {

namespace {

// The desktop binding's displayed value / scale, with scale 1000 from ps to ns.
constexpr double kPsPerNs = 1000.0;

}  // namespace

void ConfigureEngine(SignalEngine& engine, const CliOptions& options) {
  if (options.applyPreset) ApplyScopePreset(engine, options.preset);
  if (options.threeCells) engine.show3BitCells.Write(true);
  if (options.samplesPerBit) engine.samplesPerBit.Write(*options.samplesPerBit);
  if (options.bitrateGbps) engine.bitrate.Write(*options.bitrateGbps);
  if (options.risetimePs) engine.risetime.Write(*options.risetimePs / kPsPerNs);
  if (options.groupDelayPs) engine.groupDelay.Write(*options.groupDelayPs / kPsPerNs);
  if (options.bandwidthGhz) engine.bandwidth.Write(*options.bandwidthGhz);
  if (options.rolloffDbPerDecade) engine.rolloff.Write(*options.rolloffDbPerDecade);
  if (options.flatnessDb)
    for (int k = 0; k < kFlatnessLevelCount; ++k)
      engine.flatnessLevels[k].Write((*options.flatnessDb)[k]);
}

}  // namespace tovan
