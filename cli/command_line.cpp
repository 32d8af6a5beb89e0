#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <tuple>
#include <utility>
#include <vector>

#include "document/option_rules.h"
#include "document/text_fields.h"
#include "cli/png_export.h"

namespace tovan {

namespace {

// The raw text of every value option, checked only after CLI11 has split the line.
struct RawValues {
  std::string preset, bitrate, risetime, samplesPerBit, bandwidth, rolloff, groupDelay;
  std::string flatness, csv, sweep, jobs, pngTime, pngFreq, width, height;
  std::string rj, dj, noise, ber;
};

constexpr std::string_view kFilePath = "a file path";

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
  void AddEngineOptions();
  void AddOutputOptions();
  void AddStatEyeOptions();
  std::string CheckStatEyeValues(CliOptions& options) const;
  std::string TranslateError(const CLI::ParseError& error) const;
  std::string FirstStructuralError() const;
  std::string ConflictError() const;
  std::string CheckValues(CliOptions& options) const;
  std::string CheckOutputValues(CliOptions& options) const;
  CLI::Option* SweptOption(const SweptParameter& parameter) const;
  bool Given(CLI::Option* option) const { return option->count() > 0; }

  CLI::App app_{
      "Simulates what an oscilloscope's frequency response does to a serial bit "
      "pattern, without a user interface.",
      "tovan-cli"};
  RawValues raw_;
  std::vector<DeclaredOption> declared_;
  CLI::Option *preset_, *noPreset_, *bitrate_, *risetime_, *samplesPerBit_, *bandwidth_;
  CLI::Option *rolloff_, *groupDelay_, *flatness_, *threeCells_, *json_, *stages_, *csv_;
  CLI::Option *metrics_, *sweep_, *jobs_, *pngTime_, *pngFreq_, *width_, *height_, *version_;
  CLI::Option *statEye_, *rj_, *dj_, *noise_, *ber_;
};

CommandLineParser::CommandLineParser() {
  app_.allow_extras(true);  // unknown arguments are reported by FirstStructuralError
  AddEngineOptions();
  AddOutputOptions();
  AddStatEyeOptions();
  version_ = AddFlag("--version", "print the version and exit");
}

void CommandLineParser::AddEngineOptions() {
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
}

void CommandLineParser::AddOutputOptions() {
  const CliOptions defaults;
  json_ = AddFlag("--json", "write the results as one JSON document to stdout");
  stages_ = AddFlag("--stages", "add every intermediate stage to the JSON document");
  csv_ = AddValue("--csv", raw_.csv, "DIR", "write the traces as CSV files into DIR",
                  "a directory path");
  metrics_ = AddFlag("--metrics", "the eye figures: a table, or \"metrics\" in the JSON document");
  sweep_ = AddValue("--sweep", raw_.sweep, "NAME=START:STOP:STEP",
                    "one row of eye figures per value of one option, as CSV or with --json as JSON",
                    SweepAllowedText());
  jobs_ = AddValue("--jobs", raw_.jobs, "N",
                   "threads sharing the points of --sweep, default one per core",
                   AllowedText(kJobsRule));
  pngTime_ = AddValue("--png-time", raw_.pngTime, "FILE", "write the time view as a PNG picture",
                      std::string(kFilePath));
  pngFreq_ = AddValue("--png-freq", raw_.pngFreq, "FILE",
                      "write the frequency view as a PNG picture", std::string(kFilePath));
  width_ = AddValue("--width", raw_.width, "W",
                    "picture width, default " + std::to_string(defaults.pngWidth),
                    AllowedText(kPngWidthRule));
  height_ = AddValue("--height", raw_.height, "H",
                     "picture height, default " + std::to_string(defaults.pngHeight),
                     AllowedText(kPngHeightRule));
}

void CommandLineParser::AddStatEyeOptions() {
  statEye_ = AddFlag("--stat-eye",
                     "the statistical eye of the output: its figures in the table and the sweep rows, "
                     "\"statEye\" in the JSON document");
  rj_ = AddValue("--rj", raw_.rj, "PS", "random jitter, RMS, default 0", AllowedText(kRjRule));
  dj_ = AddValue("--dj", raw_.dj, "PS", "dual-Dirac deterministic jitter, peak to peak, default 0",
                 AllowedText(kDjRule));
  noise_ = AddValue("--noise", raw_.noise, "MV", "vertical noise, RMS, default 0", AllowedText(kNoiseRule));
  ber_ = AddValue("--ber", raw_.ber, "P", "the target bit error ratio of the statistical eye, default 1e-12",
                  TargetBerAllowedText());
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
  return ConflictError();
}

std::string CommandLineParser::ConflictError() const {
  const std::pair<CLI::Option*, CLI::Option*> exclusions[] = {
      {preset_, noPreset_}, {sweep_, csv_},     {sweep_, stages_},
      {sweep_, pngTime_},   {sweep_, pngFreq_},
  };
  for (const auto& [a, b] : exclusions)
    if (Given(a) && Given(b))
      return "tovan-cli: " + a->get_name() + " and " + b->get_name() + " exclude each other";
  if (Given(stages_) && !Given(json_)) return "tovan-cli: --stages needs --json";
  if (Given(jobs_) && !Given(sweep_)) return "tovan-cli: --jobs needs --sweep";
  for (CLI::Option* spread : {rj_, dj_, noise_, ber_})
    if (Given(spread) && !Given(statEye_)) return "tovan-cli: " + spread->get_name() + " needs --stat-eye";
  for (CLI::Option* side : {width_, height_})
    if (Given(side) && !Given(pngTime_) && !Given(pngFreq_))
      return "tovan-cli: " + side->get_name() + " needs --png-time or --png-freq";
  if (Given(csv_) && raw_.csv.empty())
    return OptionError("--csv", "needs a value", "a directory path", false);
  if (Given(pngTime_) && raw_.pngTime.empty())
    return OptionError("--png-time", "needs a value", kFilePath, false);
  if (Given(pngFreq_) && raw_.pngFreq.empty())
    return OptionError("--png-freq", "needs a value", kFilePath, false);
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
  if (const std::string problem = CheckStatEyeValues(options); !problem.empty()) return problem;
  return CheckOutputValues(options);
}

std::string CommandLineParser::CheckStatEyeValues(CliOptions& options) const {
  if (!Given(statEye_)) return "";
  constexpr double kVoltsPerMillivolt = 0.001;
  StatEyeSettings settings;
  const std::tuple<CLI::Option*, const SpreadRule&, const std::string&, double&, double> spreads[] = {
      {rj_, kRjRule, raw_.rj, settings.rj, 1.0},
      {dj_, kDjRule, raw_.dj, settings.dj, 1.0},
      {noise_, kNoiseRule, raw_.noise, settings.noise, kVoltsPerMillivolt}};
  for (const auto& [option, rule, text, target, scale] : spreads) {
    if (!Given(option)) continue;
    const Checked<double> value = CheckSpread(rule, text);
    if (!value.value) return value.error;
    target = *value.value * scale;
  }
  if (Given(ber_)) {
    const Checked<double> ber = CheckTargetBer(raw_.ber);
    if (!ber.value) return ber.error;
    settings.targetBer = *ber.value;
  }
  options.statEye = settings;
  return "";
}

CLI::Option* CommandLineParser::SweptOption(const SweptParameter& parameter) const {
  switch (parameter.kind) {
    case SweepKind::kPreset: return Given(noPreset_) ? noPreset_ : preset_;
    case SweepKind::kBitrate: return bitrate_;
    case SweepKind::kRisetime: return risetime_;
    case SweepKind::kSamplesPerBit: return samplesPerBit_;
    case SweepKind::kBandwidth: return bandwidth_;
    case SweepKind::kRolloff: return rolloff_;
    case SweepKind::kGroupDelay: return groupDelay_;
    case SweepKind::kFlatnessLevel: return flatness_;
  }
  return nullptr;
}

std::string CommandLineParser::CheckOutputValues(CliOptions& options) const {
  if (Given(sweep_)) {
    Checked<SweepRequest> sweep = ParseSweep(raw_.sweep);
    if (!sweep.value) return sweep.error;
    CLI::Option* fixed = SweptOption(sweep.value->parameter);
    if (fixed && Given(fixed))
      return "tovan-cli: --sweep " + sweep.value->parameter.name + " and " + fixed->get_name() +
             " exclude each other";
    options.sweep = std::move(sweep.value);
  }
  if (Given(jobs_)) {
    const Checked<int> jobs = CheckWhole(kJobsRule, raw_.jobs);
    if (!jobs.value) return jobs.error;
    options.jobs = jobs.value;
  }
  const std::tuple<CLI::Option*, const WholeRule&, const std::string&, int&> sides[] = {
      {width_, kPngWidthRule, raw_.width, options.pngWidth},
      {height_, kPngHeightRule, raw_.height, options.pngHeight}};
  for (const auto& [option, rule, text, target] : sides) {
    if (!Given(option)) continue;
    const Checked<int> pixels = CheckWhole(rule, text);
    if (!pixels.value) return pixels.error;
    target = *pixels.value;
  }
  // Last, so that a mistake in the other picture options reads the same in every build.
  for (CLI::Option* picture : {pngTime_, pngFreq_})
    if (Given(picture) && !PngExportAvailable())
      return "tovan-cli: " + picture->get_name() +
             ": PNG export is not in this build (it was built without the desktop libraries)";
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
  options.metrics = Given(metrics_);
  if (Given(csv_)) options.csvDirectory = raw_.csv;
  if (Given(pngTime_)) options.pngTimePath = raw_.pngTime;
  if (Given(pngFreq_)) options.pngFreqPath = raw_.pngFreq;
  result.kind = CommandKind::kRun;
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLineParser parser;
  return parser.Parse(argc, argv);
}

}  // namespace tovan
