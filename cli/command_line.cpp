#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/option_rules.h"
#include "cli/option_text.h"

namespace tovan {

namespace {

// The raw text of every value option, checked only after CLI11 has split the line.
struct RawValues {
  std::string preset, bitrate, risetime, samplesPerBit, bandwidth, rolloff, groupDelay;
  std::string flatness, csv;
};

struct DeclaredOption {
  CLI::Option* option;
  std::string allowed;  // empty for flags
};

class CommandLineParser {
 public:
  CommandLineParser();
  ParsedCommandLine Parse(int argc, const char* const* argv);

 private:
  CLI::Option* AddValue(const std::string& name, std::string& target, const std::string& typeName,
                        const std::string& description, const std::string& allowed);
  CLI::Option* AddFlag(const std::string& name, const std::string& description);
  std::string TranslateError(const CLI::ParseError& error) const;
  std::string FirstStructuralError() const;
  std::string CheckValues(CliOptions& options) const;
  bool Given(CLI::Option* option) const { return option->count() > 0; }

  CLI::App app_{
      "Simulates what an oscilloscope's frequency response does to a serial bit "
      "pattern, without a user interface.",
      "tovan-cli"};
  RawValues raw_;
  std::vector<DeclaredOption> declared_;
  CLI::Option *preset_, *noPreset_, *bitrate_, *risetime_, *samplesPerBit_, *bandwidth_;
  CLI::Option *rolloff_, *groupDelay_, *flatness_, *threeCells_, *json_, *stages_, *csv_;
  CLI::Option* version_;
};

CommandLineParser::CommandLineParser() {
  app_.allow_extras(true);  // unknown arguments are reported by FirstStructuralError
  preset_ = AddValue("--preset", raw_.preset, "N", "scope preset applied first, default 0",
                     PresetAllowedText());
  noPreset_ = AddFlag("--no-preset", "keep the engine's own scope defaults");
  bitrate_ = AddValue("--bitrate", raw_.bitrate, "GBPS", "bitrate", AllowedText(kBitrateRule));
  risetime_ = AddValue("--risetime", raw_.risetime, "PS", "10 % to 90 % risetime",
                       AllowedText(kRisetimeRule));
  samplesPerBit_ = AddValue("--samples-per-bit", raw_.samplesPerBit, "N", "samples per bit cell",
                            SamplesPerBitAllowedText());
  bandwidth_ = AddValue("--bandwidth", raw_.bandwidth, "GHZ", "scope bandwidth",
                        AllowedText(kBandwidthRule));
  rolloff_ = AddValue("--rolloff", raw_.rolloff, "DB", "scope rolloff per decade",
                      AllowedText(kRolloffRule));
  groupDelay_ = AddValue("--group-delay", raw_.groupDelay, "PS", "scope group delay",
                         AllowedText(kGroupDelayRule));
  flatness_ = AddValue("--flatness", raw_.flatness, "L1,...,L10", "flatness levels at 1 ... 10 GHz",
                       FlatnessAllowedText());
  threeCells_ = AddFlag("--three-cells", "three bit cells per trace instead of one");
  json_ = AddFlag("--json", "write the results as one JSON document to stdout");
  stages_ = AddFlag("--stages", "add every intermediate stage to the JSON document");
  csv_ = AddValue("--csv", raw_.csv, "DIR", "write the traces as CSV files into DIR",
                  "a directory path");
  version_ = AddFlag("--version", "print the version and exit");
}

CLI::Option* CommandLineParser::AddValue(const std::string& name, std::string& target,
                                         const std::string& typeName,
                                         const std::string& description,
                                         const std::string& allowed) {
  CLI::Option* option = app_.add_option(name, target, description + " (" + allowed + ")");
  // Keeping the last occurrence lets count() reveal a repeated option.
  option->type_name(typeName)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  declared_.push_back({option, allowed});
  return option;
}

CLI::Option* CommandLineParser::AddFlag(const std::string& name, const std::string& description) {
  CLI::Option* option = app_.add_flag(name)->description(description)->disable_flag_override();
  declared_.push_back({option, ""});
  return option;
}

// CLI11 names the option at the start of its messages: "--bitrate: 1 required GBPS
// missing" or "json was given a disallowed flag override".
std::string CommandLineParser::TranslateError(const CLI::ParseError& error) const {
  const std::string_view message = error.what();
  for (const DeclaredOption& declared : declared_) {
    const std::string name = declared.option->get_name();
    if (!declared.allowed.empty() && message.starts_with(name + ":"))
      return OptionError(name, "needs a value", declared.allowed, false);
    if (declared.allowed.empty() && message.starts_with(declared.option->get_single_name() + " "))
      return "tovan-cli: " + name + " takes no value";
  }
  return "tovan-cli: " + Quoted(message) + " (see --help)";
}

std::string CommandLineParser::FirstStructuralError() const {
  const std::vector<std::string> unknown = app_.remaining();
  if (!unknown.empty())
    return "tovan-cli: unknown argument " + Quoted(unknown.front()) + " (see --help)";
  for (const DeclaredOption& declared : declared_) {
    if (declared.option->count() <= 1) continue;
    const std::string name = declared.option->get_name();
    if (declared.allowed.empty()) return "tovan-cli: " + name + " is given more than once";
    return OptionError(name, "is given more than once", declared.allowed, false);
  }
  if (Given(preset_) && Given(noPreset_))
    return "tovan-cli: --preset and --no-preset exclude each other";
  if (Given(stages_) && !Given(json_)) return "tovan-cli: --stages needs --json";
  if (Given(csv_) && raw_.csv.empty())
    return OptionError("--csv", "needs a value", "a directory path", false);
  return "";
}

std::string CommandLineParser::CheckValues(CliOptions& options) const {
  struct RealValue {
    CLI::Option* option;
    const RealRule& rule;
    const std::string& text;
    std::optional<double>& target;
  };
  const RealValue reals[] = {
      {bitrate_, kBitrateRule, raw_.bitrate, options.bitrateGbps},
      {risetime_, kRisetimeRule, raw_.risetime, options.risetimePs},
      {bandwidth_, kBandwidthRule, raw_.bandwidth, options.bandwidthGhz},
      {rolloff_, kRolloffRule, raw_.rolloff, options.rolloffDbPerDecade},
      {groupDelay_, kGroupDelayRule, raw_.groupDelay, options.groupDelayPs},
  };
  if (Given(preset_)) {
    const Checked<int> preset = CheckPreset(raw_.preset);
    if (!preset.value) return preset.error;
    options.preset = *preset.value;
  }
  for (const RealValue& real : reals) {
    if (!Given(real.option)) continue;
    const Checked<double> value = CheckReal(real.rule, real.text);
    if (!value.value) return value.error;
    real.target = value.value;
  }
  if (Given(samplesPerBit_)) {
    const Checked<int> samples = CheckSamplesPerBit(raw_.samplesPerBit);
    if (!samples.value) return samples.error;
    options.samplesPerBit = samples.value;
  }
  if (Given(flatness_)) {
    const auto levels = CheckFlatness(raw_.flatness);
    if (!levels.value) return levels.error;
    options.flatnessDb = levels.value;
  }
  return "";
}

ParsedCommandLine CommandLineParser::Parse(int argc, const char* const* argv) {
  try {
    app_.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return {CommandKind::kHelp, {}, app_.help()};
  } catch (const CLI::ParseError& error) {
    return {CommandKind::kError, {}, TranslateError(error)};
  }
  ParsedCommandLine result;
  result.text = FirstStructuralError();
  if (result.text.empty()) result.text = CheckValues(result.options);
  if (!result.text.empty()) return result;
  if (Given(version_))
    return {CommandKind::kVersion, {}, std::string("tovan-cli ") + TOVAN_VERSION + "\n"};
  CliOptions& options = result.options;
  options.applyPreset = !Given(noPreset_);
  options.threeCells = Given(threeCells_);
  options.json = Given(json_);
  options.stages = Given(stages_);
  if (Given(csv_)) options.csvDirectory = raw_.csv;
  result.kind = CommandKind::kRun;
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLineParser parser;
  return parser.Parse(argc, argv);
}

}  // namespace tovan
