#include "document/option_rules.h"

#include "document/number_format.h"
#include "document/text_fields.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

namespace {

constexpr std::string_view kNotANumber = "is not a finite decimal number";
constexpr std::string_view kNotAWholeNumber = "is not a whole number";
constexpr std::string_view kOutOfRange = "is out of range";

std::string Problem(std::string_view text, std::string_view problem) {
  return Quoted(text) + " " + std::string(problem);
}

}  // namespace

std::string OptionError(std::string_view name, std::string_view problem, std::string_view allowed,
                        bool afterColon) {
  std::string message = "tovan-cli: " + std::string(name) + (afterColon ? ": " : " ");
  return message + std::string(problem) + " (allowed: " + std::string(allowed) + ")";
}

std::string AllowedText(const RealRule& rule) {
  return PlainText(rule.min) + " to " + PlainText(rule.max) + " " + std::string(rule.unit);
}

std::string AllowedText(const WholeRule& rule) {
  return std::to_string(rule.min) + " to " + std::to_string(rule.max) + " " +
         std::string(rule.unit);
}

std::string PresetAllowedText() { return "0 to " + std::to_string(kPresetCount - 1); }

std::string SamplesPerBitAllowedText() {
  std::string text;
  const IntRange& exponents = kControlRanges.samplesPerBitExponent;
  for (int e = exponents.min; e <= exponents.max; e += exponents.step)
    text += (text.empty() ? "" : ", ") + std::to_string(1 << e);
  return text;
}

std::string FlatnessAllowedText() {
  return std::to_string(kFlatnessLevelCount) + " comma-separated levels, each " +
         AllowedText(kFlatnessLevelRule);
}

std::string AllowedText(const SpreadRule& rule) { return "0 or more " + std::string(rule.unit); }

std::string TargetBerAllowedText() { return "more than 0 and less than 0.5"; }

Checked<double> CheckSpread(const SpreadRule& rule, std::string_view text) {
  const std::optional<double> value = ParseFiniteReal(text);
  const std::string allowed = AllowedText(rule);
  if (!value) return {std::nullopt, OptionError(rule.name, Problem(text, kNotANumber), allowed)};
  if (!IsValidSpread(*value)) return {std::nullopt, OptionError(rule.name, Problem(text, kOutOfRange), allowed)};
  return {value, ""};
}

Checked<double> CheckTargetBer(std::string_view text) {
  const std::optional<double> value = ParseFiniteReal(text);
  const std::string allowed = TargetBerAllowedText();
  if (!value) return {std::nullopt, OptionError("--ber", Problem(text, kNotANumber), allowed)};
  if (!IsValidTargetBer(*value)) return {std::nullopt, OptionError("--ber", Problem(text, kOutOfRange), allowed)};
  return {value, ""};
}

Checked<double> CheckReal(const RealRule& rule, std::string_view text) {
  const std::optional<double> value = ParseFiniteReal(text);
  const std::string allowed = AllowedText(rule);
  if (!value) return {std::nullopt, OptionError(rule.name, Problem(text, kNotANumber), allowed)};
  if (*value < rule.min || *value > rule.max)
    return {std::nullopt, OptionError(rule.name, Problem(text, kOutOfRange), allowed)};
  return {value, ""};
}

Checked<int> CheckWhole(const WholeRule& rule, std::string_view text) {
  const std::optional<int> value = ParseWholeNumber(text);
  const std::string allowed = AllowedText(rule);
  if (!value)
    return {std::nullopt, OptionError(rule.name, Problem(text, kNotAWholeNumber), allowed)};
  if (*value < rule.min || *value > rule.max)
    return {std::nullopt, OptionError(rule.name, Problem(text, kOutOfRange), allowed)};
  return {value, ""};
}

Checked<int> CheckPreset(std::string_view text) {
  const std::optional<int> value = ParseWholeNumber(text);
  const std::string allowed = PresetAllowedText();
  if (!value)
    return {std::nullopt, OptionError("--preset", Problem(text, kNotAWholeNumber), allowed)};
  if (*value < 0 || *value >= kPresetCount)
    return {std::nullopt, OptionError("--preset", Problem(text, kOutOfRange), allowed)};
  return {value, ""};
}

Checked<int> CheckSamplesPerBit(std::string_view text) {
  const std::optional<int> value = ParseWholeNumber(text);
  const std::string allowed = SamplesPerBitAllowedText();
  if (!value)
    return {std::nullopt,
            OptionError("--samples-per-bit", Problem(text, kNotAWholeNumber), allowed)};
  const IntRange& exponents = kControlRanges.samplesPerBitExponent;
  for (int e = exponents.min; e <= exponents.max; e += exponents.step)
    if (*value == (1 << e)) return {value, ""};
  return {std::nullopt, OptionError("--samples-per-bit", Problem(text, kOutOfRange), allowed)};
}

Checked<std::array<double, kFlatnessLevelCount>> CheckFlatness(std::string_view text) {
  const std::vector<std::string_view> fields = SplitAt(text, ',');
  const std::string allowed = FlatnessAllowedText();
  if (fields.size() != kFlatnessLevelCount) {
    const std::string count = "has " + std::to_string(fields.size()) + " levels, not " +
                              std::to_string(kFlatnessLevelCount);
    const std::string problem = Problem(text, count);
    return {std::nullopt, OptionError("--flatness", problem, allowed)};
  }
  std::array<double, kFlatnessLevelCount> levels{};
  for (int k = 0; k < kFlatnessLevelCount; ++k) {
    const Checked<double> level = CheckReal(kFlatnessLevelRule, fields[k]);
    if (!level.value) {
      const std::string_view problem = ParseFiniteReal(fields[k]) ? kOutOfRange : kNotANumber;
      const std::string where =
          "level " + std::to_string(k + 1) + " " + Problem(fields[k], problem);
      return {std::nullopt, OptionError("--flatness", where, allowed)};
    }
    levels[k] = *level.value;
  }
  return {levels, ""};
}

}  // namespace tovan
