#include "python/engine_handle.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "document/number_format.h"
#include "document/option_rules.h"
#include "document/text_fields.h"
#include "response/response_file.h"
#include "response/response_options.h"
#include "setup/setup_engine.h"
#include "setup/setup_reader.h"
#include "setup/setup_writer.h"

namespace tovan::python {

namespace {

// The engine holds risetime and group delay in ns; the controls show ps.
constexpr double kPsPerNs = 1000.0;
constexpr std::string_view kProgramPrefix = "tovan-cli: ";

// The command line's message for a refused value, without the program's name.
[[noreturn]] void Refuse(const std::string& message) {
  std::string_view text = message;
  if (text.starts_with(kProgramPrefix)) text.remove_prefix(kProgramPrefix.size());
  throw std::invalid_argument(std::string(text));
}

template <class T>
T Accepted(const Checked<T>& checked) {
  if (!checked.value) Refuse(checked.error);
  return *checked.value;
}

// The value checked as if it had been typed on the command line: the shortest text
// that reads back as the same double, so the accepted value is the given one.
double CheckedReal(const RealRule& rule, double value) {
  return Accepted(CheckReal(rule, PlainText(value)));
}

}  // namespace

EngineHandle::EngineHandle() : engine(std::make_unique<SignalEngine>()) {}

void EngineHandle::ApplyPreset(int n) {
  preset = Accepted(CheckPreset(std::to_string(n)));
  ApplyScopePreset(*engine, preset);
}

double EngineHandle::Bitrate() const { return engine->bitrate.value; }
void EngineHandle::SetBitrate(double gbps) {
  engine->bitrate.Write(CheckedReal(kBitrateRule, gbps));
}

double EngineHandle::Risetime() const { return engine->risetime.value * kPsPerNs; }
void EngineHandle::SetRisetime(double ps) {
  engine->risetime.Write(CheckedReal(kRisetimeRule, ps) / kPsPerNs);
}

int EngineHandle::SamplesPerBit() const { return engine->samplesPerBit.value; }
void EngineHandle::SetSamplesPerBit(int samples) {
  engine->samplesPerBit.Write(Accepted(CheckSamplesPerBit(std::to_string(samples))));
}

double EngineHandle::Bandwidth() const { return engine->bandwidth.value; }
void EngineHandle::SetBandwidth(double ghz) {
  engine->bandwidth.Write(CheckedReal(kBandwidthRule, ghz));
}

double EngineHandle::Rolloff() const { return engine->rolloff.value; }
void EngineHandle::SetRolloff(double dbPerDecade) {
  engine->rolloff.Write(CheckedReal(kRolloffRule, dbPerDecade));
}

double EngineHandle::GroupDelay() const { return engine->groupDelay.value * kPsPerNs; }
void EngineHandle::SetGroupDelay(double ps) {
  engine->groupDelay.Write(CheckedReal(kGroupDelayRule, ps) / kPsPerNs);
}

std::array<double, kFlatnessLevelCount> EngineHandle::Flatness() const {
  std::array<double, kFlatnessLevelCount> levels{};
  for (int k = 0; k < kFlatnessLevelCount; ++k) levels[k] = engine->flatnessLevels[k].value;
  return levels;
}

void EngineHandle::SetFlatness(const std::array<double, kFlatnessLevelCount>& levels) {
  std::string text;
  for (double level : levels) text += (text.empty() ? "" : ",") + PlainText(level);
  const auto checked = Accepted(CheckFlatness(text));
  for (int k = 0; k < kFlatnessLevelCount; ++k) engine->flatnessLevels[k].Write(checked[k]);
}

bool EngineHandle::ThreeCells() const { return engine->show3BitCells.value; }
void EngineHandle::SetThreeCells(bool on) { engine->show3BitCells.Write(on); }

void EngineHandle::LoadResponse(const std::string& path, const std::string& mode) {
  const std::optional<ResponseMode> parsed = ParseResponseMode(mode);
  if (!parsed)
    Refuse(OptionError("--response-mode", Quoted(mode) + " is not a mode", "replace or cascade"));
  ReadResult<ResponseTable> table = LoadResponseFile(path);
  if (!table.value) throw std::invalid_argument(ErrorMessage(table.error));
  engine->responseTable.Write(std::move(table.value));
  engine->responseMode.Write(*parsed);
  response = ResponseSetup{std::filesystem::absolute(path).string(), mode};
}

void EngineHandle::ClearResponse() {
  engine->responseTable.Write(std::nullopt);
  response.reset();
}

void EngineHandle::LoadSetup(const std::string& path) {
  SetupReading reading = ReadSetupFile(path);
  if (!reading.setup) throw std::invalid_argument(reading.error);
  const Setup& setup = *reading.setup;
  // The response file is read before anything changes, so a bad one changes nothing.
  std::optional<ResponseTable> table;
  std::optional<ResponseMode> mode;
  if (setup.response) {
    mode = ParseResponseMode(setup.response->mode);
    ReadResult<ResponseTable> read = LoadResponseFile(setup.response->file);
    if (!read.value) throw std::invalid_argument(path + ": " + ErrorMessage(read.error));
    table = std::move(read.value);
  }
  ApplySetup(*engine, setup);
  engine->responseTable.Write(std::move(table));
  if (mode) engine->responseMode.Write(*mode);
  preset = setup.preset;
  response = setup.response;
  statEye = setup.statEye;
}

void EngineHandle::SaveSetup(const std::string& path) const {
  const bool onPreset = preset != kCustomPreset && EngineHoldsPreset(*engine, preset);
  Setup setup = SetupFromEngine(*engine, onPreset ? preset : kCustomPreset, SetupViews{});
  setup.response = response;
  setup.statEye = statEye;
  if (const std::string error = WriteSetupFile(path, setup); !error.empty())
    throw std::invalid_argument(error);
}

StatEye EngineHandle::ComputeStatEyeAt(double rjPs, double djPs, double noiseMv, double ber) {
  constexpr double kVoltsPerMillivolt = 0.001;  // as the command line reads --noise
  StatEyeSettings settings;
  settings.rj = Accepted(CheckSpread(kRjRule, PlainText(rjPs)));
  settings.dj = Accepted(CheckSpread(kDjRule, PlainText(djPs)));
  settings.noise = Accepted(CheckSpread(kNoiseRule, PlainText(noiseMv))) * kVoltsPerMillivolt;
  settings.targetBer = Accepted(CheckTargetBer(PlainText(ber)));
  statEye = StatEyeSetup{rjPs, djPs, noiseMv, settings.targetBer};
  return ComputeStatEye(EngineEyeSignal(*engine), settings);
}

void EngineHandle::SetByName(const std::string& name, double value) {
  if (name == "bitrate") return SetBitrate(value);
  if (name == "risetime") return SetRisetime(value);
  // Whole-number settings are checked as typed, so 16.5 is refused rather than cut.
  if (name == "samples_per_bit")
    return engine->samplesPerBit.Write(Accepted(CheckSamplesPerBit(PlainText(value))));
  if (name == "bandwidth") return SetBandwidth(value);
  if (name == "rolloff") return SetRolloff(value);
  if (name == "group_delay") return SetGroupDelay(value);
  if (name == "preset") {
    preset = Accepted(CheckPreset(PlainText(value)));
    return ApplyScopePreset(*engine, preset);
  }
  constexpr std::string_view kFlatness = "flatness";
  if (name.starts_with(kFlatness)) {
    const std::string level = name.substr(kFlatness.size());
    for (int k = 1; k <= kFlatnessLevelCount; ++k)
      if (level == std::to_string(k)) {
        auto levels = Flatness();
        levels[k - 1] = value;
        return SetFlatness(levels);
      }
  }
  throw std::invalid_argument("unknown setting '" + name +
                              "' (allowed: preset, bitrate, risetime, samples_per_bit, "
                              "bandwidth, rolloff, group_delay, flatness1 to flatness10)");
}

}  // namespace tovan::python
