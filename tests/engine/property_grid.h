#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/signal_engine.h"

// The control grids as the user reaches them: slider and spin positions, preset
// picks and the bit-cell button, turned into engine cell writes with the bindings'
// position arithmetic, and random draws over them for the property tests.
namespace tovan::property {

enum class Control {
  kBitrate,
  kRisetime,
  kBandwidth,
  kRolloff,
  kGroupDelay,
  kSamplesPerBit,
  kFlatness,
  kPreset,
  kThreeBitCells,
};

// One user action. `position` is the slider or spin position, the preset number,
// or the button state (0 or 1); `level` picks the flatness slider (0 ... 9).
struct Move {
  Control control = Control::kBitrate;
  int position = 0;
  int level = 0;
};

const char* ControlName(Control control);

// The lowest and highest position a control can take (spin: the exponents 4 ... 8).
int FirstPosition(Control control);
int LastPosition(Control control);

// A vertical slider of `steps` steps at position p (0 is the top, the maximum):
// min + (steps - p) / steps * (max - min) in floating point, unrounded.
double SliderValue(double max, double min, int steps, int position);

// Writes the cell that the control writes: slider value / scale (1000 for the ps
// sliders), 2^position for the spin control, the preset row, or the button state.
void Apply(SignalEngine& engine, const Move& move);
std::string Describe(const Move& move);

// Every public cell's value, so that a state can be restored or handed to a fresh engine.
struct EngineParameters {
  bool show3BitCells = false;
  std::array<bool, 8> prbsTaps{};
  double highLevel = 0.0;
  double lowLevel = 0.0;
  int samplesPerBit = 0;
  double bitrate = 0.0;
  double risetime = 0.0;
  double groupDelay = 0.0;
  double noiseAmplitude = 0.0;
  double bandwidth = 0.0;
  double rolloff = 0.0;
  std::array<double, 10> flatnessLevels{};

  static EngineParameters Of(const SignalEngine& engine);
  // The ordinary cell writes, in the engine's parameter order.
  void WriteInto(SignalEngine& engine) const;
  std::string Describe() const;
};

// Reproducible draws: the 32-bit Mersenne twister, whose output sequence the
// language fixes, reduced by a plain modulo.
class GridRandom {
 public:
  explicit GridRandom(std::uint32_t seed) : engine_(seed) {}
  // Uniform integer in [low, high].
  int Uniform(int low, int high);

 private:
  std::mt19937 engine_;
};

// Any position of any control. Spin positions lean towards the cheaper small sizes
// (256 samples per bit costs eight times the default) but all five occur.
Move RandomMove(GridRandom& random);
// A complete setting of every control: the input sliders, the spin control and the
// button, then either a preset or the three scope sliders and all ten levels.
std::vector<Move> RandomSettings(GridRandom& random);

// The number of random cases from TOVAN_PROPERTY_CASES (a positive integer), else
// `fallback`; the base seed from TOVAN_PROPERTY_SEED, else `fallback`.
int PropertyCases(int fallback);
std::uint32_t PropertySeed(std::uint32_t fallback);

}  // namespace tovan::property
