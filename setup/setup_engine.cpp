#include "setup/setup_engine.h"

#include <cmath>

#include "document/number_format.h"

namespace tovan {

namespace {

constexpr double kPsPerNs = 1000.0;
// How many neighbours on each side of ns * 1000 may also divide back to ns.
constexpr int kNeighbourSteps = 4;

void WriteScope(SignalEngine& engine, const Setup& setup) {
  engine.bandwidth.Write(setup.bandwidthGhz);
  engine.rolloff.Write(setup.rolloffDbPerDecade);
  engine.groupDelay.Write(NsFromPs(setup.groupDelayPs));
  for (int k = 0; k < kFlatnessLevelCount; ++k) engine.flatnessLevels[k].Write(setup.flatnessDb[k]);
}

}  // namespace

double NsFromPs(double ps) { return ps / kPsPerNs; }

double PsFromNs(double ns) {
  const double nearest = ns * kPsPerNs;
  double best = nearest;
  std::size_t bestLength = NsFromPs(nearest) == ns ? PlainText(nearest).size() : SIZE_MAX;
  double below = nearest, above = nearest;
  for (int step = 0; step < kNeighbourSteps; ++step) {
    below = std::nextafter(below, -INFINITY);
    above = std::nextafter(above, INFINITY);
    for (const double candidate : {below, above}) {
      if (NsFromPs(candidate) != ns) continue;
      const std::size_t length = PlainText(candidate).size();
      if (length < bestLength) {
        best = candidate;
        bestLength = length;
      }
    }
  }
  return best;
}

void ApplySetup(SignalEngine& engine, const Setup& setup) {
  if (setup.preset == kCustomPreset)
    WriteScope(engine, setup);
  else
    ApplyScopePreset(engine, setup.preset);
  engine.show3BitCells.Write(setup.threeCells);
  engine.samplesPerBit.Write(setup.samplesPerBit);
  engine.bitrate.Write(setup.bitrateGbps);
  engine.risetime.Write(NsFromPs(setup.risetimePs));
}

bool EngineHoldsPreset(const SignalEngine& engine, int preset) {
  const ScopePresetTable& table = kScopePresets;
  if (engine.bandwidth.value != table.presetBandwidth[preset]) return false;
  if (engine.rolloff.value != table.presetRolloff[preset]) return false;
  // The same product ApplyScopePreset writes.
  if (engine.groupDelay.value != table.presetGroupDelayPs[preset] * 0.001) return false;
  for (int k = 0; k < kFlatnessLevelCount; ++k)
    if (engine.flatnessLevels[k].value != table.presetFlatness[k][preset]) return false;
  return true;
}

Setup SetupFromEngine(const SignalEngine& engine, int preset, const SetupViews& views) {
  Setup setup;
  setup.preset = preset;
  setup.bitrateGbps = engine.bitrate.value;
  setup.risetimePs = PsFromNs(engine.risetime.value);
  setup.samplesPerBit = engine.samplesPerBit.value;
  setup.threeCells = engine.show3BitCells.value;
  setup.views = views;
  if (preset == kCustomPreset) {
    setup.bandwidthGhz = engine.bandwidth.value;
    setup.rolloffDbPerDecade = engine.rolloff.value;
    setup.groupDelayPs = PsFromNs(engine.groupDelay.value);
    for (int k = 0; k < kFlatnessLevelCount; ++k)
      setup.flatnessDb[k] = engine.flatnessLevels[k].value;
    return setup;
  }
  const ScopePresetTable& table = kScopePresets;
  setup.bandwidthGhz = table.presetBandwidth[preset];
  setup.rolloffDbPerDecade = table.presetRolloff[preset];
  setup.groupDelayPs = table.presetGroupDelayPs[preset];
  for (int k = 0; k < kFlatnessLevelCount; ++k)
    setup.flatnessDb[k] = table.presetFlatness[k][preset];
  return setup;
}

}  // namespace tovan
