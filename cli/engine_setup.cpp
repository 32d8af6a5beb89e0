#include "cli/engine_setup.h"

#include "engine/scope_preset_table.h"
#include "setup/setup_engine.h"

namespace tovan {

namespace {

// The desktop binding's displayed value / scale, with scale 1000 from ps to ns.
constexpr double kPsPerNs = 1000.0;

}  // namespace

void ConfigureEngine(SignalEngine& engine, const CliOptions& options) {
  if (options.setup) ApplySetup(engine, *options.setup);
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
  if (options.response) {
    engine.responseTable.Write(*options.response);
    engine.responseMode.Write(options.responseMode);
  }
}

void WriteSweptValue(SignalEngine& engine, const CliOptions& options,
                     const SweptParameter& parameter, double value) {
  switch (parameter.kind) {
    case SweepKind::kPreset: {
      CliOptions withPreset = options;
      withPreset.applyPreset = true;
      withPreset.preset = static_cast<int>(value);
      ConfigureEngine(engine, withPreset);
      return;
    }
    case SweepKind::kBitrate: engine.bitrate.Write(value); return;
    case SweepKind::kRisetime: engine.risetime.Write(value / kPsPerNs); return;
    case SweepKind::kSamplesPerBit: engine.samplesPerBit.Write(static_cast<int>(value)); return;
    case SweepKind::kBandwidth: engine.bandwidth.Write(value); return;
    case SweepKind::kRolloff: engine.rolloff.Write(value); return;
    case SweepKind::kGroupDelay: engine.groupDelay.Write(value / kPsPerNs); return;
    case SweepKind::kFlatnessLevel: engine.flatnessLevels.at(parameter.level).Write(value); return;
  }
}

}  // namespace tovan
