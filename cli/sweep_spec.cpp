#include "cli/sweep_spec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "document/number_format.h"
#include "document/text_fields.h"

namespace tovan {

namespace {

struct SweepName {
  std::string_view name;
  SweepKind kind;
};

constexpr SweepName kSweepNames[] = {
    {"preset", SweepKind::kPreset},         {"bitrate", SweepKind::kBitrate},
    {"risetime", SweepKind::kRisetime},     {"samples-per-bit", SweepKind::kSamplesPerBit},
    {"bandwidth", SweepKind::kBandwidth},   {"rolloff", SweepKind::kRolloff},
    {"group-delay", SweepKind::kGroupDelay}};
constexpr std::string_view kFlatnessPrefix = "flatness";
constexpr std::string_view kFieldNames[] = {"START", "STOP", "STEP"};
// A value this close to STOP, in steps, is STOP: 0.1-steps do not divide exactly.
constexpr double kStopTolerance = 1e-9;
constexpr int kMostRoundedPlaces = 15;

std::string NamesText() {
  std::string text;
  for (const SweepName& entry : kSweepNames) text += std::string(entry.name) + ", ";
  return text + "flatness1 to flatness10";
}

std::string SweepError(std::string_view problem, std::string_view allowed) {
  return OptionError("--sweep", problem, allowed);
}

std::optional<SweptParameter> FindParameter(std::string_view name) {
  for (const SweepName& entry : kSweepNames)
    if (name == entry.name) return SweptParameter{entry.kind, 0, std::string(name)};
  if (!name.starts_with(kFlatnessPrefix)) return std::nullopt;
  const std::optional<int> level = ParseWholeNumber(name.substr(kFlatnessPrefix.size()));
  if (!level || *level < 1 || *level > kFlatnessLevelCount) return std::nullopt;
  return SweptParameter{SweepKind::kFlatnessLevel, *level - 1, std::string(name)};
}

const RealRule* RuleOf(SweepKind kind) {
  switch (kind) {
    case SweepKind::kBitrate: return &kBitrateRule;
    case SweepKind::kRisetime: return &kRisetimeRule;
    case SweepKind::kBandwidth: return &kBandwidthRule;
    case SweepKind::kRolloff: return &kRolloffRule;
    case SweepKind::kGroupDelay: return &kGroupDelayRule;
    case SweepKind::kFlatnessLevel: return &kFlatnessLevelRule;
    case SweepKind::kPreset:
    case SweepKind::kSamplesPerBit: return nullptr;
  }
  return nullptr;
}

std::string RangeText(SweepKind kind) {
  if (kind == SweepKind::kPreset) return PresetAllowedText();
  if (kind == SweepKind::kSamplesPerBit) return SamplesPerBitAllowedText();
  return AllowedText(*RuleOf(kind));
}

bool InRange(SweepKind kind, double v) {
  if (const RealRule* rule = RuleOf(kind)) return v >= rule->min && v <= rule->max;
  if (kind == SweepKind::kPreset) return v >= 0 && v < kPresetCount;
  const IntRange& exponents = kControlRanges.samplesPerBitExponent;
  for (int e = exponents.min; e <= exponents.max; e += exponents.step)
    if (v == (1 << e)) return true;
  return false;
}

// The decimal places a number is written with: "0.25" 2, "5" 0, "1.5e-3" 4, "2e3" 0.
int DecimalPlaces(std::string_view text) {
  const std::size_t e = text.find_first_of("eE");
  const std::string_view mantissa = text.substr(0, e);
  const std::size_t point = mantissa.find('.');
  long long places = point == std::string_view::npos ? 0 : mantissa.size() - point - 1;
  if (e != std::string_view::npos) {
    std::string_view exponent = text.substr(e + 1);
    if (exponent.starts_with('+')) exponent.remove_prefix(1);
    places -= ParseWholeNumber(exponent).value_or(0);
  }
  return static_cast<int>(std::clamp(places, 0LL, 1000LL));
}

double RoundedTo(double x, int places) {
  if (places > kMostRoundedPlaces) return x;
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, places);
  double rounded = x;
  if (written.ec == std::errc()) std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}

struct Bounds {
  double start = 0.0, stop = 0.0, step = 0.0;
  int places = 0;
};

Checked<Bounds> ParseBounds(const SweptParameter& parameter,
                            const std::vector<std::string_view>& fields) {
  double numbers[3] = {};
  int places = 0;
  const bool whole = WholeNumberSweep(parameter.kind);
  for (int k = 0; k < 3; ++k) {
    std::optional<double> number;
    if (!whole)
      number = ParseFiniteReal(fields[k]);
    else if (const std::optional<int> n = ParseWholeNumber(fields[k]))
      number = *n;
    if (!number) {
      const std::string problem =
          parameter.name + " " + std::string(kFieldNames[k]) + " " + Quoted(fields[k]) +
          (whole ? " is not a whole number" : " is not a finite decimal number");
      return {std::nullopt, SweepError(problem, RangeText(parameter.kind))};
    }
    numbers[k] = *number;
    places = std::max(places, DecimalPlaces(fields[k]));
  }
  return {Bounds{numbers[0], numbers[1], numbers[2], places}, ""};
}

// The checks that need the bounds only, in the order reported.
std::string BoundsError(const SweptParameter& parameter, const Bounds& b,
                        const std::vector<std::string_view>& fields) {
  for (int k = 0; k < 2; ++k)
    if (!InRange(parameter.kind, k == 0 ? b.start : b.stop))
      return SweepError(parameter.name + " " + std::string(kFieldNames[k]) + " " +
                            Quoted(fields[k]) + " is out of range",
                        RangeText(parameter.kind));
  const std::string towards = "a STEP from START towards STOP";
  if (b.start == b.stop)
    return SweepError(parameter.name + " range " +
                          Quoted(std::string(fields[0]) + ":" + std::string(fields[1])) +
                          " is empty",
                      "START different from STOP");
  if (b.step == 0.0)
    return SweepError(parameter.name + " STEP " + Quoted(fields[2]) + " is zero", towards);
  if ((b.stop - b.start) / b.step < 0.0)
    return SweepError(parameter.name + " STEP " + Quoted(fields[2]) + " points away from STOP",
                      towards);
  return "";
}

// START + i * STEP up to STOP; the bounds have passed BoundsError.
Checked<std::vector<double>> Values(const SweptParameter& parameter, const Bounds& b) {
  const double count = std::floor((b.stop - b.start) / b.step + kStopTolerance) + 1.0;
  if (!(count <= kMaxSweepPoints)) {
    const std::string counted = count < 1e15 ? std::to_string(static_cast<long long>(count))
                                             : "more than " + std::to_string(kMaxSweepPoints);
    return {std::nullopt, SweepError(parameter.name + " gives " + counted + " points",
                                     "at most " + std::to_string(kMaxSweepPoints) + " points")};
  }
  std::vector<double> values;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    double v = RoundedTo(b.start + i * b.step, b.places);
    const bool past = b.step > 0.0 ? v > b.stop : v < b.stop;
    if (past || std::abs(v - b.stop) <= kStopTolerance * std::abs(b.step)) v = b.stop;
    if (!InRange(parameter.kind, v))
      return {std::nullopt,
              SweepError(parameter.name + " value " + Quoted(PlainText(v)) + " is out of range",
                         RangeText(parameter.kind))};
    values.push_back(v);
  }
  return {values, ""};
}

}  // namespace

bool WholeNumberSweep(SweepKind kind) {
  return kind == SweepKind::kPreset || kind == SweepKind::kSamplesPerBit;
}

std::string SweepAllowedText() { return "NAME=START:STOP:STEP, NAME one of " + NamesText(); }

Checked<SweepRequest> ParseSweep(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::vector<std::string_view> fields = equals == std::string_view::npos
                                                   ? std::vector<std::string_view>{}
                                                   : SplitAt(text.substr(equals + 1), ':');
  if (fields.size() != 3)
    return {std::nullopt,
            SweepError(Quoted(text) + " is not NAME=START:STOP:STEP", SweepAllowedText())};
  const std::optional<SweptParameter> parameter = FindParameter(text.substr(0, equals));
  if (!parameter)
    return {std::nullopt,
            SweepError("unknown parameter " + Quoted(text.substr(0, equals)), NamesText())};
  const Checked<Bounds> bounds = ParseBounds(*parameter, fields);
  if (!bounds.value) return {std::nullopt, bounds.error};
  if (std::string error = BoundsError(*parameter, *bounds.value, fields); !error.empty())
    return {std::nullopt, error};
  Checked<std::vector<double>> values = Values(*parameter, *bounds.value);
  if (!values.value) return {std::nullopt, values.error};
  return {SweepRequest{*parameter, std::move(*values.value)}, ""};
}

}  // namespace tovan
