#include "engine/property_grid.h"

#include <cstdlib>
#include <sstream>
#include <utility>

#include "engine/control_ranges.h"
#include "engine/scope_preset_table.h"

namespace tovan::property {
namespace {

// A slider in displayed units; the cell holds displayed / scale. The step counts are
// those the bindings document, not recomputed from the ranges.
struct Slider {
  double max;
  double min;
  int steps;
  double scale;
};

constexpr ControlRanges kRanges{};
constexpr Slider kBitrate{kRanges.bitrate.max, kRanges.bitrate.min, 1000, 1.0};
constexpr Slider kRisetime{static_cast<double>(kRanges.risetime.max),
                           static_cast<double>(kRanges.risetime.min), 590, 1000.0};
constexpr Slider kBandwidth{kRanges.bandwidth.max, kRanges.bandwidth.min, 190, 1.0};
constexpr Slider kRolloff{kRanges.rolloff.max, kRanges.rolloff.min, 24, 1.0};
constexpr Slider kGroupDelay{static_cast<double>(kRanges.groupDelay.max),
                             static_cast<double>(kRanges.groupDelay.min), 600, 1000.0};
constexpr Slider kFlatness{kRanges.flatnessLevel.max, kRanges.flatnessLevel.min, 20, 1.0};

double CellValue(const Slider& slider, int position) {
  return SliderValue(slider.max, slider.min, slider.steps, position) / slider.scale;
}

// Relative frequency of each control in random moves; the flatness levels refit
// (a few ms each) and so come up less often than the cheap sliders.
constexpr std::array<std::pair<Control, int>, 9> kMoveWeights{{
    {Control::kBitrate, 3},
    {Control::kRisetime, 3},
    {Control::kBandwidth, 3},
    {Control::kRolloff, 3},
    {Control::kGroupDelay, 3},
    {Control::kSamplesPerBit, 1},
    {Control::kFlatness, 2},
    {Control::kPreset, 1},
    {Control::kThreeBitCells, 1},
}};

// Spin exponents with 16 and 32 samples per bit three times as likely as 256.
constexpr std::array<int, 10> kSpinDraws{4, 4, 4, 5, 5, 5, 6, 6, 7, 8};

Move Positioned(GridRandom& random, Control control) {
  Move move{control, 0, 0};
  if (control == Control::kSamplesPerBit) {
    move.position = kSpinDraws[random.Uniform(0, static_cast<int>(kSpinDraws.size()) - 1)];
  } else {
    move.position = random.Uniform(FirstPosition(control), LastPosition(control));
  }
  if (control == Control::kFlatness) move.level = random.Uniform(0, kFlatnessLevelCount - 1);
  return move;
}

}  // namespace

const char* ControlName(Control control) {
  switch (control) {
    case Control::kBitrate: return "bitrate";
    case Control::kRisetime: return "risetime";
    case Control::kBandwidth: return "bandwidth";
    case Control::kRolloff: return "rolloff";
    case Control::kGroupDelay: return "groupDelay";
    case Control::kSamplesPerBit: return "samplesPerBit";
    case Control::kFlatness: return "flatness";
    case Control::kPreset: return "preset";
    case Control::kThreeBitCells: return "show3BitCells";
  }
  return "?";
}

int FirstPosition(Control control) {
  return control == Control::kSamplesPerBit ? kRanges.samplesPerBitExponent.min : 0;
}

int LastPosition(Control control) {
  switch (control) {
    case Control::kBitrate: return kBitrate.steps;
    case Control::kRisetime: return kRisetime.steps;
    case Control::kBandwidth: return kBandwidth.steps;
    case Control::kRolloff: return kRolloff.steps;
    case Control::kGroupDelay: return kGroupDelay.steps;
    case Control::kSamplesPerBit: return kRanges.samplesPerBitExponent.max;
    case Control::kFlatness: return kFlatness.steps;
    case Control::kPreset: return kPresetCount - 1;
    case Control::kThreeBitCells: return 1;
  }
  return 0;
}

double SliderValue(double max, double min, int steps, int position) {
  // Grouped as the binding computes it: the rounding of the value depends on it.
  return min + static_cast<double>(steps - position) / static_cast<double>(steps - 0) * (max - min);
}

void Apply(SignalEngine& engine, const Move& move) {
  switch (move.control) {
    case Control::kBitrate: engine.bitrate.Write(CellValue(kBitrate, move.position)); break;
    case Control::kRisetime: engine.risetime.Write(CellValue(kRisetime, move.position)); break;
    case Control::kBandwidth: engine.bandwidth.Write(CellValue(kBandwidth, move.position)); break;
    case Control::kRolloff: engine.rolloff.Write(CellValue(kRolloff, move.position)); break;
    case Control::kGroupDelay: engine.groupDelay.Write(CellValue(kGroupDelay, move.position)); break;
    case Control::kSamplesPerBit: engine.samplesPerBit.Write(1 << move.position); break;
    case Control::kFlatness:
      engine.flatnessLevels[move.level].Write(CellValue(kFlatness, move.position));
      break;
    case Control::kPreset: ApplyScopePreset(engine, move.position); break;
    case Control::kThreeBitCells: engine.show3BitCells.Write(move.position != 0); break;
  }
}

std::string Describe(const Move& move) {
  std::ostringstream text;
  text << ControlName(move.control);
  if (move.control == Control::kFlatness) text << "[" << move.level << "]";
  text << " -> " << move.position;
  return text.str();
}

EngineParameters EngineParameters::Of(const SignalEngine& engine) {
  EngineParameters p;
  p.show3BitCells = engine.show3BitCells.value;
  for (int k = 0; k < 8; ++k) p.prbsTaps[k] = engine.prbsTaps[k].value;
  p.highLevel = engine.highLevel.value;
  p.lowLevel = engine.lowLevel.value;
  p.samplesPerBit = engine.samplesPerBit.value;
  p.bitrate = engine.bitrate.value;
  p.risetime = engine.risetime.value;
  p.groupDelay = engine.groupDelay.value;
  p.noiseAmplitude = engine.noiseAmplitude.value;
  p.bandwidth = engine.bandwidth.value;
  p.rolloff = engine.rolloff.value;
  for (int k = 0; k < 10; ++k) p.flatnessLevels[k] = engine.flatnessLevels[k].value;
  return p;
}

void EngineParameters::WriteInto(SignalEngine& engine) const {
  engine.show3BitCells.Write(show3BitCells);
  for (int k = 0; k < 8; ++k) engine.prbsTaps[k].Write(prbsTaps[k]);
  engine.highLevel.Write(highLevel);
  engine.lowLevel.Write(lowLevel);
  engine.samplesPerBit.Write(samplesPerBit);
  engine.bitrate.Write(bitrate);
  engine.risetime.Write(risetime);
  engine.groupDelay.Write(groupDelay);
  engine.noiseAmplitude.Write(noiseAmplitude);
  engine.bandwidth.Write(bandwidth);
  engine.rolloff.Write(rolloff);
  for (int k = 0; k < 10; ++k) engine.flatnessLevels[k].Write(flatnessLevels[k]);
}

std::string EngineParameters::Describe() const {
  std::ostringstream text;
  text.precision(17);
  text << "3 cells " << show3BitCells << ", S " << samplesPerBit << ", bitrate " << bitrate
       << ", risetime " << risetime << ", groupDelay " << groupDelay << ", bandwidth " << bandwidth
       << ", rolloff " << rolloff << ", levels";
  for (double level : flatnessLevels) text << " " << level;
  return text.str();
}

int GridRandom::Uniform(int low, int high) {
  const auto span = static_cast<std::uint32_t>(high - low) + 1u;
  return low + static_cast<int>(engine_() % span);
}

Move RandomMove(GridRandom& random) {
  int total = 0;
  for (const auto& [control, weight] : kMoveWeights) total += weight;
  int pick = random.Uniform(0, total - 1);
  for (const auto& [control, weight] : kMoveWeights) {
    if (pick < weight) return Positioned(random, control);
    pick -= weight;
  }
  return Positioned(random, Control::kBitrate);
}

std::vector<Move> RandomSettings(GridRandom& random) {
  std::vector<Move> moves;
  for (Control control : {Control::kBitrate, Control::kRisetime, Control::kSamplesPerBit,
                          Control::kThreeBitCells})
    moves.push_back(Positioned(random, control));
  if (random.Uniform(0, 3) == 0) {
    moves.push_back(Positioned(random, Control::kPreset));
    return moves;
  }
  for (Control control : {Control::kBandwidth, Control::kRolloff, Control::kGroupDelay})
    moves.push_back(Positioned(random, control));
  for (int level = 0; level < kFlatnessLevelCount; ++level) {
    Move move = Positioned(random, Control::kFlatness);
    move.level = level;
    moves.push_back(move);
  }
  return moves;
}

int PropertyCases(int fallback) {
  const char* text = std::getenv("TOVAN_PROPERTY_CASES");
  if (text == nullptr) return fallback;
  char* end = nullptr;
  const long cases = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || cases < 1 || cases > 100000000) return fallback;
  return static_cast<int>(cases);
}

std::uint32_t PropertySeed(std::uint32_t fallback) {
  const char* text = std::getenv("TOVAN_PROPERTY_SEED");
  if (text == nullptr) return fallback;
  char* end = nullptr;
  const unsigned long seed = std::strtoul(text, &end, 10);
  if (end == text || *end != '\0') return fallback;
  return static_cast<std::uint32_t>(seed);
}

}  // namespace tovan::property
