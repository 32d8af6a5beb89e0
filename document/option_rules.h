#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/control_ranges.h"
#include "engine/scope_preset_table.h"

namespace tovan {

// The checks of the value options against their controls' ranges (in the units the
// controls show, bounds included). A refused value yields one line:
// "tovan-cli: --bitrate: '7' is out of range (allowed: 1 to 6 Gbps)".

struct RealRule {
  std::string_view name;
  double min;
  double max;
  std::string_view unit;
};

inline constexpr RealRule kBitrateRule{"--bitrate", kControlRanges.bitrate.min,
                                       kControlRanges.bitrate.max, "Gbps"};
inline constexpr RealRule kRisetimeRule{"--risetime", double(kControlRanges.risetime.min),
                                        double(kControlRanges.risetime.max), "ps"};
inline constexpr RealRule kBandwidthRule{"--bandwidth", kControlRanges.bandwidth.min,
                                         kControlRanges.bandwidth.max, "GHz"};
inline constexpr RealRule kRolloffRule{"--rolloff", kControlRanges.rolloff.min,
                                       kControlRanges.rolloff.max, "dB/decade"};
inline constexpr RealRule kGroupDelayRule{"--group-delay", double(kControlRanges.groupDelay.min),
                                          double(kControlRanges.groupDelay.max), "ps"};
inline constexpr RealRule kFlatnessLevelRule{"--flatness", kControlRanges.flatnessLevel.min,
                                             kControlRanges.flatnessLevel.max, "dB"};

// A picture side of --width and --height in pixels, or the thread count of --jobs.
struct WholeRule {
  std::string_view name;
  int min;
  int max;
  std::string_view unit;
};

inline constexpr WholeRule kPngWidthRule{"--width", 64, 4096, "pixels"};
inline constexpr WholeRule kPngHeightRule{"--height", 64, 4096, "pixels"};
inline constexpr WholeRule kJobsRule{"--jobs", 1, 256, "threads"};

// A checked value, or the message saying why it was refused.
template <class T>
struct Checked {
  std::optional<T> value;
  std::string error;
};

// "tovan-cli: NAME: PROBLEM (allowed: ALLOWED)", or "tovan-cli: NAME PROBLEM (...)"
// when the problem reads on from the name ("needs a value").
std::string OptionError(std::string_view name, std::string_view problem, std::string_view allowed,
                        bool afterColon = true);

// What each option accepts, as the messages and the help text show it.
std::string AllowedText(const RealRule& rule);   // "1 to 6 Gbps"
std::string AllowedText(const WholeRule& rule);  // "64 to 4096 pixels"
std::string PresetAllowedText();                 // "0 to 7"
std::string SamplesPerBitAllowedText();          // "16, 32, 64, 128, 256"
std::string FlatnessAllowedText();               // "10 comma-separated levels, each -5 to 5 dB"

// The statistical eye's spreads (0 or more, finite) and target bit error ratio
// (strictly between 0 and 0.5).
struct SpreadRule {
  std::string_view name;
  std::string_view unit;
};
inline constexpr SpreadRule kRjRule{"--rj", "ps"};
inline constexpr SpreadRule kDjRule{"--dj", "ps"};
inline constexpr SpreadRule kNoiseRule{"--noise", "mV"};
std::string AllowedText(const SpreadRule& rule);  // "0 or more ps"
std::string TargetBerAllowedText();               // "more than 0 and less than 0.5"

Checked<double> CheckReal(const RealRule& rule, std::string_view text);
Checked<double> CheckSpread(const SpreadRule& rule, std::string_view text);
Checked<double> CheckTargetBer(std::string_view text);
Checked<int> CheckWhole(const WholeRule& rule, std::string_view text);
Checked<int> CheckPreset(std::string_view text);
// A power of two within the spin control's exponents.
Checked<int> CheckSamplesPerBit(std::string_view text);
Checked<std::array<double, kFlatnessLevelCount>> CheckFlatness(std::string_view text);

}  // namespace tovan
