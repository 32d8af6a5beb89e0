#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <tuple>
#include <utility>
#include <vector>

#include "document/option_rules.h"
#include "document/text_fields.h"
#include "cli/png_export.h"
#include "cli/setup_options.h"
#include "response/response_file.h"
#include "response/response_options.h"
#include "setup/setup_reader.h"

namespace tovan {

namespace {

// The raw text of every value option, checked only after CLI11 has split the line.
struct RawValues {
  std::string preset, bitrate, risetime, samplesPerBit, bandwidth, rolloff, groupDelay;
  std::string flatness, csv, sweep, jobs, pngTime, pngFreq, width, height, setup, saveSetup;
  std::string rj, dj, noise, ber;
  std::string response, responseMode, responsePairing;
  std::vector<std::string> compare;
};

constexpr std::string_view kFilePath = "a file path";
constexpr std::string_view kResponseModes = "replace or cascade";
constexpr std::string_view kPairingAllowed = "four different ports 1 to 4";
constexpr std::string_view kSetupFile = "a setup file";
constexpr std::string_view kTwoSetupFiles = "two setup files";

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
  void AddSetupOptions();
  std::string SetupConflictError() const;
  std::string ReadSetupFiles(CliOptions& options) const;
  void KeepOnlyOptionsAfterSetup(int argc, const char* const* argv, CliOptions& options) const;
  std::string ApplySetupBlocks(int argc, const char* const* argv, CliOptions& options) const;
  std::string TranslateError(const CLI::ParseError& error) const;
  std::string FirstStructuralError() const;
  std::string ConflictError() const;
  std::string CheckValues(CliOptions& options) const;
  std::string CheckOutputValues(CliOptions& options) const;
  std::string CheckResponse(CliOptions& options) const;
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
  CLI::Option *metrics_, *sweep_, *jobs_, *pngTime_, *pngFreq_, *width_, *height_, *bare_;
  CLI::Option *version_, *statEye_, *rj_, *dj_, *noise_, *ber_;
  CLI::Option *response_, *responseMode_, *responsePairing_;
  CLI::Option *setup_, *saveSetup_, *compare_;
};

CommandLineParser::CommandLineParser() {
  app_.allow_extras(true);  // unknown arguments are reported by FirstStructuralError
  AddEngineOptions();
  AddOutputOptions();
  AddStatEyeOptions();
  AddSetupOptions();
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
  response_ = AddValue("--response", raw_.response, "FILE",
                       "a measured scope response: a two-port's S21 or a four-port's SDD21 from a "
                       "Touchstone 1.1 or 2.0 file, or a CSV table of frequency, magnitude and "
                       "optionally phase",
                       ".s2p, .s4p, .ts or .csv file");
  responseMode_ = AddValue("--response-mode", raw_.responseMode, "MODE",
                           "replace: the file takes the place of the modelled scope filter; "
                           "cascade: it multiplies it (a probe or fixture), default replace",
                           std::string(kResponseModes));
  responsePairing_ = AddValue("--response-pairing", raw_.responsePairing, "I+,I-,O+,O-",
                              "a four-port's differential input and output port pairs, default "
                              "1,3,2,4",
                              std::string(kPairingAllowed));
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
  pngTime_ = AddValue("--png-time", raw_.pngTime, "FILE",
                      "write the time view as a report figure: the picture with axes, legend "
                      "and a title line of the settings; PNG, or SVG for a FILE ending in .svg",
                      std::string(kFilePath));
  pngFreq_ = AddValue("--png-freq", raw_.pngFreq, "FILE", "write the frequency view the same way",
                      std::string(kFilePath));
  width_ = AddValue("--width", raw_.width, "W",
                    "width of the plot in pixels (a figure adds its margins), default " +
                        std::to_string(defaults.pngWidth),
                    AllowedText(kPngWidthRule));
  height_ = AddValue("--height", raw_.height, "H",
                     "height of the plot in pixels, default " + std::to_string(defaults.pngHeight),
                     AllowedText(kPngHeightRule));
  bare_ =
      AddFlag("--bare", "pictures without axes, legend and title, as the window draws the views");
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

void CommandLineParser::AddSetupOptions() {
  setup_ = AddValue("--setup", raw_.setup, "FILE",
                    "a setup file written into the engine first, with its measured response and "
                    "statistical-eye settings; the options after it override its values, "
                    "those before it are overridden",
                    std::string(kSetupFile));
  saveSetup_ = AddValue("--save-setup", raw_.saveSetup, "FILE",
                        "write the setup of the effective options to FILE, then run as usual",
                        std::string(kFilePath));
  compare_ = app_.add_option("--compare", raw_.compare,
                             "the eye figures of two setups and B - A: a table, or with --json "
                             "{\"a\", \"b\", \"difference\"} (two setup files)");
  compare_->type_name("FILE")->expected(2);
  declared_.push_back({compare_, std::string(kTwoSetupFiles)});
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
    const std::size_t once = declared.option == compare_ ? 2 : 1;  // --compare takes two values
    if (declared.option->count() <= once) continue;
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
  if (const std::string setupConflict = SetupConflictError(); !setupConflict.empty())
    return setupConflict;
  if (Given(stages_) && !Given(json_)) return "tovan-cli: --stages needs --json";
  if (Given(jobs_) && !Given(sweep_)) return "tovan-cli: --jobs needs --sweep";
  for (CLI::Option* spread : {rj_, dj_, noise_, ber_})
    if (Given(spread) && !Given(statEye_)) return "tovan-cli: " + spread->get_name() + " needs --stat-eye";
  for (CLI::Option* detail : {responseMode_, responsePairing_})
    if (Given(detail) && !Given(response_))
      return "tovan-cli: " + detail->get_name() + " needs --response";
  for (CLI::Option* side : {width_, height_, bare_})
    if (Given(side) && !Given(pngTime_) && !Given(pngFreq_))
      return "tovan-cli: " + side->get_name() + " needs --png-time or --png-freq";
  if (Given(csv_) && raw_.csv.empty())
    return OptionError("--csv", "needs a value", "a directory path", false);
  if (Given(pngTime_) && raw_.pngTime.empty())
    return OptionError("--png-time", "needs a value", kFilePath, false);
  if (Given(pngFreq_) && raw_.pngFreq.empty())
    return OptionError("--png-freq", "needs a value", kFilePath, false);
  if (Given(setup_) && raw_.setup.empty())
    return OptionError("--setup", "needs a value", kSetupFile, false);
  if (Given(saveSetup_) && raw_.saveSetup.empty())
    return OptionError("--save-setup", "needs a value", kFilePath, false);
  return "";
}

// --compare runs two whole setups and nothing else; --setup already says what scope
// the engine has, so --no-preset has nothing left to keep.
std::string CommandLineParser::SetupConflictError() const {
  if (Given(setup_) && Given(noPreset_))
    return "tovan-cli: --setup and --no-preset exclude each other";
  if (!Given(compare_)) return "";
  for (CLI::Option* other :
       {setup_, saveSetup_, sweep_, jobs_, csv_, stages_, pngTime_, pngFreq_, preset_, noPreset_,
        bitrate_, risetime_, samplesPerBit_, bandwidth_, rolloff_, groupDelay_, flatness_,
        threeCells_})
    if (Given(other))
      return "tovan-cli: --compare and " + other->get_name() + " exclude each other";
  return "";
}

// The table of the setup's response block, if it has one; "" or the one line naming
// the setup file and what is wrong with its response file.
std::string LoadSetupResponse(const Setup& setup, const std::string& label,
                              std::optional<ResponseTable>& table) {
  if (!setup.response) return "";
  ReadResult<ResponseTable> read = LoadResponseFile(setup.response->file);
  if (!read.value) return "tovan-cli: " + label + ": " + ErrorMessage(read.error);
  table = std::move(read.value);
  return "";
}

// Each file is read whole; the first refused names its file and key.
std::string CommandLineParser::ReadSetupFiles(CliOptions& options) const {
  auto read = [](const std::string& path, std::optional<Setup>& target) {
    SetupReading reading = ReadSetupFile(path);
    if (!reading.setup) return "tovan-cli: " + reading.error;
    target = std::move(reading.setup);
    return std::string();
  };
  if (Given(setup_)) return read(raw_.setup, options.setup);
  if (!Given(compare_)) return "";
  std::optional<Setup> a, b;
  if (std::string error = read(raw_.compare[0], a); !error.empty()) return error;
  if (std::string error = read(raw_.compare[1], b); !error.empty()) return error;
  SetupPair pair{*a, *b, std::nullopt, std::nullopt};
  if (std::string error = LoadSetupResponse(*a, raw_.compare[0], pair.responseA); !error.empty())
    return error;
  if (std::string error = LoadSetupResponse(*b, raw_.compare[1], pair.responseB); !error.empty())
    return error;
  options.compare = std::move(pair);
  return "";
}

// The last place name occupies on the line, as "--name VALUE" or "--name=VALUE".
int Position(int argc, const char* const* argv, const std::string& name) {
  int position = -1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == name || argument.starts_with(name + "=")) position = i;
  }
  return position;
}

// The file replaces what the engine options before --setup asked for.
void CommandLineParser::KeepOnlyOptionsAfterSetup(int argc, const char* const* argv,
                                                  CliOptions& options) const {
  const int setupAt = Position(argc, argv, "--setup");
  auto after = [&](CLI::Option* option) {
    return Given(option) && Position(argc, argv, option->get_name()) > setupAt;
  };
  options.applyPreset = after(preset_);
  options.threeCells = after(threeCells_);
  if (!after(bitrate_)) options.bitrateGbps.reset();
  if (!after(risetime_)) options.risetimePs.reset();
  if (!after(samplesPerBit_)) options.samplesPerBit.reset();
  if (!after(bandwidth_)) options.bandwidthGhz.reset();
  if (!after(rolloff_)) options.rolloffDbPerDecade.reset();
  if (!after(groupDelay_)) options.groupDelayPs.reset();
  if (!after(flatness_)) options.flatnessDb.reset();
}

// The file's blocks act as --stat-eye with its values and as --response FILE
// --response-mode MODE given where --setup stands: what follows it overrides them.
std::string CommandLineParser::ApplySetupBlocks(int argc, const char* const* argv,
                                                CliOptions& options) const {
  const Setup& setup = *options.setup;
  const int setupAt = Position(argc, argv, "--setup");
  auto after = [&](CLI::Option* option) {
    return Given(option) && Position(argc, argv, option->get_name()) > setupAt;
  };
  if (setup.statEye) {
    StatEyeSetup merged = *setup.statEye;
    if (after(rj_)) merged.rjPs = options.statEyeSetup->rjPs;
    if (after(dj_)) merged.djPs = options.statEyeSetup->djPs;
    if (after(noise_)) merged.noiseMv = options.statEyeSetup->noiseMv;
    if (after(ber_)) merged.ber = options.statEyeSetup->ber;
    options.statEyeSetup = merged;
    options.statEye = StatEyeSettingsFrom(merged);
  }
  if (!setup.response || after(response_)) return "";
  if (std::string error = LoadSetupResponse(setup, raw_.setup, options.response); !error.empty())
    return error;
  options.responseFile = setup.response->file;
  options.responseMode = SetupResponseMode(setup);
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
  const std::string output = CheckOutputValues(options);
  return output.empty() ? CheckResponse(options) : output;
}

// Last: the file is read only when everything else is in order.
std::string CommandLineParser::CheckResponse(CliOptions& options) const {
  if (!Given(response_)) return "";
  if (Given(responseMode_)) {
    const std::optional<ResponseMode> mode = ParseResponseMode(raw_.responseMode);
    if (!mode)
      return OptionError("--response-mode", Quoted(raw_.responseMode) + " is not a mode",
                         kResponseModes);
    options.responseMode = *mode;
  }
  PortPairing pairing;
  if (Given(responsePairing_)) {
    const std::optional<PortPairing> parsed = ParsePortPairing(raw_.responsePairing);
    if (!parsed)
      return OptionError("--response-pairing", Quoted(raw_.responsePairing) + " is not a pairing",
                         kPairingAllowed);
    pairing = *parsed;
  }
  if (raw_.response.empty())
    return OptionError("--response", "needs a value", ".s2p, .s4p, .ts or .csv file", false);
  ReadResult<ResponseTable> table = LoadResponseFile(raw_.response, pairing);
  if (!table.value) return "tovan-cli: " + ErrorMessage(table.error);
  options.response = std::move(table.value);
  options.responseFile = raw_.response;
  return "";
}

std::string CommandLineParser::CheckStatEyeValues(CliOptions& options) const {
  if (!Given(statEye_)) return "";
  StatEyeSetup given;
  const std::tuple<CLI::Option*, const SpreadRule&, const std::string&, double&> spreads[] = {
      {rj_, kRjRule, raw_.rj, given.rjPs},
      {dj_, kDjRule, raw_.dj, given.djPs},
      {noise_, kNoiseRule, raw_.noise, given.noiseMv}};
  for (const auto& [option, rule, text, target] : spreads) {
    if (!Given(option)) continue;
    const Checked<double> value = CheckSpread(rule, text);
    if (!value.value) return value.error;
    target = *value.value;
  }
  if (Given(ber_)) {
    const Checked<double> ber = CheckTargetBer(raw_.ber);
    if (!ber.value) return ber.error;
    given.ber = *ber.value;
  }
  options.statEyeSetup = given;
  options.statEye = StatEyeSettingsFrom(given);
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
  if (std::string error = ReadSetupFiles(options); !error.empty()) return error;
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
  options.barePictures = Given(bare_);
  if (Given(saveSetup_)) options.saveSetupPath = raw_.saveSetup;
  if (Given(setup_)) {
    KeepOnlyOptionsAfterSetup(argc, argv, options);
    result.text = ApplySetupBlocks(argc, argv, options);
    if (!result.text.empty()) return {CommandKind::kError, {}, result.text};
  }
  result.kind = CommandKind::kRun;
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLineParser parser;
  return parser.Parse(argc, argv);
}

}  // namespace tovan
