#pragma once

namespace tovan {

// How to read a trace table: the two signal levels (V), the samples per bit cell S,
// the bitrate (Gbps) and whether each column holds one cell (S rows) or three (3S
// rows: the previous, the current and the next cell stacked). The defaults are the
// engine's.
struct EyeFrame {
  double highLevel = 0.6;
  double lowLevel = -0.6;
  int samplesPerBit = 32;
  double bitrate = 3.125;
  bool threeCells = false;
};

// The decision threshold between the levels, (highLevel + lowLevel) * 0.5: 0 V for
// the default levels.
double Threshold(const EyeFrame& frame);
// highLevel - lowLevel.
double Swing(const EyeFrame& frame);
// The sample spacing in ps: (1 / (samplesPerBit * bitrate)) * 1000, in that order.
double SampleSpacingPs(const EyeFrame& frame);
// True when both levels are finite with highLevel > lowLevel, samplesPerBit >= 1 and
// the bitrate is finite and positive: the conditions under which every figure above
// is finite.
bool IsUsable(const EyeFrame& frame);

}  // namespace tovan
