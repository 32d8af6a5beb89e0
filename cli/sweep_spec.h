#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/option_rules.h"

namespace tovan {

// The value options a sweep can step through.
enum class SweepKind {
  kPreset,
  kBitrate,
  kRisetime,
  kSamplesPerBit,
  kBandwidth,
  kRolloff,
  kGroupDelay,
  kFlatnessLevel
};

struct SweptParameter {
  SweepKind kind = SweepKind::kBandwidth;
  int level = 0;     // 0 ... 9: the flatness level of kFlatnessLevel
  std::string name;  // as the sweep names it: "bandwidth", "flatness3"
};

// One parameter and its values in the option's units (ps for risetime and group
// delay), START first.
struct SweepRequest {
  SweptParameter parameter;
  std::vector<double> values;
};

// More points than this are refused: a flatness sweep costs about 20 ms a point.
inline constexpr int kMaxSweepPoints = 1000;

// True for the kinds whose values are whole numbers (preset, samples per bit).
bool WholeNumberSweep(SweepKind kind);

// "NAME=START:STOP:STEP" with NAME a value option without its dashes (preset,
// bitrate, risetime, samples-per-bit, bandwidth, rolloff, group-delay) or flatnessK
// for level K = 1 ... 10. STEP points from START towards STOP (a descending sweep
// has a negative STEP). Value i is START + i * STEP, computed from START rather than
// accumulated, and rounded to the most decimal places written in START, STOP and
// STEP (unless that is over 15), so that 0:1:0.1 gives 0.3 as typed and not
// 0.30000000000000004. The last value is the last one not past STOP, where a value
// within 1e-9 of a step of STOP counts as STOP itself. preset and samples-per-bit take whole numbers.
// Refused, each with one line naming --sweep and what is allowed: a malformed
// specification, an unknown NAME, a malformed number, START == STOP (an empty
// range), a zero STEP or one pointing away from STOP, more than kMaxSweepPoints
// values, and any value outside the option's range (every samples-per-bit value
// must be one the option accepts).
Checked<SweepRequest> ParseSweep(std::string_view text);

// "NAME=START:STOP:STEP, NAME one of preset, bitrate, ..., flatness1 to flatness10".
std::string SweepAllowedText();

}  // namespace tovan
