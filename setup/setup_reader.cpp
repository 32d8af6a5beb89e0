#include "setup/setup_reader.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <span>
#include <vector>

#include "document/number_format.h"
#include "engine/control_ranges.h"
#include "setup/setup_writer.h"

namespace tovan {

namespace {

using Json = nlohmann::json;

// A number's allowed interval in the units the file uses.
struct Bounds {
  double min;
  double max;
  std::string_view unit;
};

constexpr Bounds kBitrate{kControlRanges.bitrate.min, kControlRanges.bitrate.max, "Gbps"};
constexpr Bounds kRisetime{double(kControlRanges.risetime.min), double(kControlRanges.risetime.max),
                           "ps"};
constexpr Bounds kBandwidth{kControlRanges.bandwidth.min, kControlRanges.bandwidth.max, "GHz"};
constexpr Bounds kRolloff{kControlRanges.rolloff.min, kControlRanges.rolloff.max, "dB/decade"};
constexpr Bounds kGroupDelay{double(kControlRanges.groupDelay.min),
                             double(kControlRanges.groupDelay.max), "ps"};
constexpr Bounds kFlatnessLevel{kControlRanges.flatnessLevel.min, kControlRanges.flatnessLevel.max,
                                "dB"};

constexpr std::string_view kCustom = "custom";
constexpr double kMaxBer = 0.5;
constexpr std::size_t kLongestQuotedValue = 40;

using Keys = std::span<const std::string_view>;
constexpr std::string_view kTopKeys[] = {"tovanSetup",    "preset",     "bitrate", "risetime",
                                         "samplesPerBit", "bandwidth",  "rolloff", "groupDelay",
                                         "flatness",      "threeCells", "views"};
constexpr std::string_view kOptionalTopKeys[] = {"response", "statEye"};
constexpr std::string_view kViewKeys[] = {"timeGrid",          "timeInput",          "timeOutput",
                                          "freqGrid",          "freqMagnitude",      "freqPhase",
                                          "freqInputSpectrum", "freqOutputSpectrum", "printColors"};
constexpr std::string_view kResponseKeys[] = {"file", "mode"};
constexpr std::string_view kStatEyeKeys[] = {"rj", "dj", "noise", "ber"};
constexpr std::string_view kResponseModes[] = {"replace", "cascade"};

// The value as the message quotes it, cut short when long.
std::string Shown(const Json& value) {
  std::string text = value.dump();
  if (text.size() > kLongestQuotedValue) text = text.substr(0, kLongestQuotedValue) + "...";
  return text;
}

// A key as JSON writes it, so that one with a line break still makes a one-line message.
std::string KeyText(std::string_view key) { return Json(std::string(key)).dump(); }

std::string Allowed(const Bounds& bounds) {
  return PlainText(bounds.min) + " to " + PlainText(bounds.max) + " " + std::string(bounds.unit);
}

bool Contains(Keys keys, std::string_view key) {
  for (std::string_view k : keys)
    if (k == key) return true;
  return false;
}

// Rejects a repeated key in any object while parsing: the library would keep the last.
class RepeatedKeyFinder {
 public:
  bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) seen_.emplace_back();
    if (event == Json::parse_event_t::object_end) seen_.pop_back();
    if (event == Json::parse_event_t::key &&
        !seen_.back().insert(parsed.get<std::string>()).second && repeated_.empty())
      repeated_ = parsed.get<std::string>();
    return true;
  }
  const std::string& Repeated() const { return repeated_; }

 private:
  std::vector<std::set<std::string>> seen_;
  std::string repeated_;
};

// Reads one parsed document into a Setup; the first problem found stops it.
class SetupParser {
 public:
  SetupParser(std::string_view label, std::filesystem::path folder)
      : label_(label), folder_(std::move(folder)) {}

  SetupReading Parse(std::string_view text);

 private:
  bool Fail(std::string_view key, const std::string& problem) {
    error_ = label_ + ": " + KeyText(key) + ": " + problem;
    return false;
  }
  bool FailWhole(const std::string& problem) {
    error_ = label_ + ": " + problem;
    return false;
  }
  bool ReadVersion(const Json& root);
  bool CheckKeys(const Json& object, std::string_view where, Keys required, Keys optional);
  bool ReadReal(const Json& object, std::string_view key, const Bounds& bounds, double& target);
  bool ReadBool(const Json& object, std::string_view key, bool& target);
  bool ReadPreset(const Json& root, int& target);
  bool ReadSamplesPerBit(const Json& root, int& target);
  bool ReadFlatness(const Json& root, std::array<double, kFlatnessLevelCount>& target);
  bool CheckPresetRow(const Setup& setup);
  bool ReadViews(const Json& root, SetupViews& views);
  bool ReadResponse(const Json& root, std::optional<ResponseSetup>& response);
  bool ReadStatEye(const Json& root, std::optional<StatEyeSetup>& statEye);
  bool ReadSetup(const Json& root, Setup& setup);

  std::string label_;
  std::filesystem::path folder_;
  std::string error_;
};

bool SetupParser::ReadVersion(const Json& root) {
  if (!root.is_object()) return FailWhole("is not a setup (the text is not a JSON object)");
  if (!root.contains("tovanSetup")) return FailWhole("is not a setup (no \"tovanSetup\" key)");
  const Json& version = root["tovanSetup"];
  if (!version.is_number_integer() || version.get<long long>() < 1)
    return Fail("tovanSetup", Shown(version) + " is not a setup version (allowed: 1 to " +
                                  std::to_string(kSetupVersion) + ")");
  if (version.get<long long>() > kSetupVersion)
    return Fail("tovanSetup", "version " + Shown(version) +
                                  " was written by a newer Tovan (this one reads up to " +
                                  std::to_string(kSetupVersion) + ")");
  return true;
}

bool SetupParser::CheckKeys(const Json& object, std::string_view where, Keys required,
                            Keys optional) {
  const std::string prefix = where.empty() ? "" : std::string(where) + ".";
  for (const auto& [key, value] : object.items())
    if (!Contains(required, key) && !Contains(optional, key))
      return Fail(prefix + key, "is not a setup key");
  for (std::string_view key : required)
    if (!object.contains(key)) return Fail(prefix + std::string(key), "is missing");
  return true;
}

bool SetupParser::ReadReal(const Json& object, std::string_view key, const Bounds& bounds,
                           double& target) {
  const Json& value = object[std::string(key)];
  if (!value.is_number()) return Fail(key, Shown(value) + " is not a number");
  const double x = value.get<double>();
  if (!std::isfinite(x) || x < bounds.min || x > bounds.max)
    return Fail(key, Shown(value) + " is out of range (allowed: " + Allowed(bounds) + ")");
  target = x;
  return true;
}

bool SetupParser::ReadBool(const Json& object, std::string_view key, bool& target) {
  const Json& value = object[std::string(key)];
  if (!value.is_boolean()) return Fail(key, Shown(value) + " is not true or false");
  target = value.get<bool>();
  return true;
}

bool SetupParser::ReadPreset(const Json& root, int& target) {
  const Json& value = root["preset"];
  const std::string allowed = " (allowed: 0 to " + std::to_string(kPresetCount - 1) + " or \"" +
                              std::string(kCustom) + "\")";
  if (value.is_string() && value.get<std::string>() == kCustom) {
    target = kCustomPreset;
    return true;
  }
  if (!value.is_number_integer())
    return Fail("preset", Shown(value) + " is not a preset" + allowed);
  const long long preset = value.get<long long>();
  if (preset < 0 || preset >= kPresetCount)
    return Fail("preset", Shown(value) + " is out of range" + allowed);
  target = static_cast<int>(preset);
  return true;
}

bool SetupParser::ReadSamplesPerBit(const Json& root, int& target) {
  const Json& value = root["samplesPerBit"];
  std::string allowed;
  const IntRange& exponents = kControlRanges.samplesPerBitExponent;
  for (int e = exponents.min; e <= exponents.max; e += exponents.step) {
    allowed += (allowed.empty() ? "" : ", ") + std::to_string(1 << e);
    if (value.is_number_integer() && value.get<long long>() == (1 << e)) {
      target = 1 << e;
      return true;
    }
  }
  return Fail("samplesPerBit", Shown(value) + " is not allowed (allowed: " + allowed + ")");
}

bool SetupParser::ReadFlatness(const Json& root, std::array<double, kFlatnessLevelCount>& target) {
  const Json& value = root["flatness"];
  const std::string allowed = " (allowed: " + std::to_string(kFlatnessLevelCount) +
                              " levels, each " + Allowed(kFlatnessLevel) + ")";
  if (!value.is_array()) return Fail("flatness", Shown(value) + " is not a list" + allowed);
  if (value.size() != kFlatnessLevelCount)
    return Fail("flatness", "has " + std::to_string(value.size()) + " levels, not " +
                                std::to_string(kFlatnessLevelCount) + allowed);
  for (int k = 0; k < kFlatnessLevelCount; ++k) {
    const Json& level = value[k];
    const std::string where = "level " + std::to_string(k + 1) + " " + Shown(level);
    if (!level.is_number()) return Fail("flatness", where + " is not a number" + allowed);
    const double x = level.get<double>();
    if (!std::isfinite(x) || x < kFlatnessLevel.min || x > kFlatnessLevel.max)
      return Fail("flatness", where + " is out of range" + allowed);
    target[k] = x;
  }
  return true;
}

// A preset number promises its row's scope values; a file that changes them must say
// "custom", so the window's chooser never claims a preset the scope does not hold.
bool SetupParser::CheckPresetRow(const Setup& setup) {
  if (setup.preset == kCustomPreset) return true;
  const int p = setup.preset;
  const ScopePresetTable& table = kScopePresets;
  const std::string hint = " (write \"preset\": \"custom\" to keep it)";
  auto differs = [&](std::string_view key, double value, double row) {
    return Fail(key, PlainText(value) + " is not preset " + std::to_string(p) + "'s " +
                         PlainText(row) + hint);
  };
  if (setup.bandwidthGhz != table.presetBandwidth[p])
    return differs("bandwidth", setup.bandwidthGhz, table.presetBandwidth[p]);
  if (setup.rolloffDbPerDecade != table.presetRolloff[p])
    return differs("rolloff", setup.rolloffDbPerDecade, table.presetRolloff[p]);
  if (setup.groupDelayPs != table.presetGroupDelayPs[p])
    return differs("groupDelay", setup.groupDelayPs, table.presetGroupDelayPs[p]);
  for (int k = 0; k < kFlatnessLevelCount; ++k)
    if (setup.flatnessDb[k] != table.presetFlatness[k][p])
      return Fail("flatness", "level " + std::to_string(k + 1) + " " +
                                  PlainText(setup.flatnessDb[k]) + " is not preset " +
                                  std::to_string(p) + "'s " +
                                  PlainText(table.presetFlatness[k][p]) + hint);
  return true;
}

bool SetupParser::ReadViews(const Json& root, SetupViews& views) {
  const Json& object = root["views"];
  if (!object.is_object()) return Fail("views", Shown(object) + " is not an object");
  if (!CheckKeys(object, "views", kViewKeys, {})) return false;
  const std::pair<std::string_view, bool*> flags[] = {
      {"timeGrid", &views.timeGrid},
      {"timeInput", &views.timeInput},
      {"timeOutput", &views.timeOutput},
      {"freqGrid", &views.freqGrid},
      {"freqMagnitude", &views.freqMagnitude},
      {"freqPhase", &views.freqPhase},
      {"freqInputSpectrum", &views.freqInputSpectrum},
      {"freqOutputSpectrum", &views.freqOutputSpectrum},
      {"printColors", &views.printColors},
  };
  for (const auto& [key, target] : flags) {
    const Json& value = object[std::string(key)];
    if (!value.is_boolean())
      return Fail("views." + std::string(key), Shown(value) + " is not true or false");
    *target = value.get<bool>();
  }
  return true;
}

bool SetupParser::ReadResponse(const Json& root, std::optional<ResponseSetup>& response) {
  if (!root.contains("response")) return true;
  const Json& object = root["response"];
  if (!object.is_object()) return Fail("response", Shown(object) + " is not an object");
  if (!CheckKeys(object, "response", kResponseKeys, {})) return false;
  const Json& file = object["file"];
  if (!file.is_string() || file.get<std::string>().empty())
    return Fail("response.file", Shown(file) + " is not a file name");
  const Json& mode = object["mode"];
  const bool known = mode.is_string() && Contains(kResponseModes, mode.get<std::string>());
  if (!known)
    return Fail("response.mode",
                Shown(mode) + " is not a mode (allowed: \"replace\", \"cascade\")");
  const std::filesystem::path path(file.get<std::string>());
  const std::filesystem::path resolved = path.is_absolute() ? path : folder_ / path;
  response = ResponseSetup{resolved.lexically_normal().string(), mode.get<std::string>()};
  return true;
}

bool SetupParser::ReadStatEye(const Json& root, std::optional<StatEyeSetup>& statEye) {
  if (!root.contains("statEye")) return true;
  const Json& object = root["statEye"];
  if (!object.is_object()) return Fail("statEye", Shown(object) + " is not an object");
  if (!CheckKeys(object, "statEye", kStatEyeKeys, {})) return false;
  StatEyeSetup read;
  const std::pair<std::string_view, double*> amounts[] = {
      {"rj", &read.rjPs}, {"dj", &read.djPs}, {"noise", &read.noiseMv}};
  for (const auto& [key, target] : amounts) {
    const Json& value = object[std::string(key)];
    const std::string where = "statEye." + std::string(key);
    if (!value.is_number()) return Fail(where, Shown(value) + " is not a number");
    *target = value.get<double>();
    if (!std::isfinite(*target) || *target < 0.0)
      return Fail(where, Shown(value) + " is out of range (allowed: 0 or more)");
  }
  const Json& ber = object["ber"];
  if (!ber.is_number()) return Fail("statEye.ber", Shown(ber) + " is not a number");
  read.ber = ber.get<double>();
  if (!(read.ber > 0.0 && read.ber < kMaxBer))
    return Fail("statEye.ber", Shown(ber) + " is out of range (allowed: above 0, below 0.5)");
  statEye = read;
  return true;
}

// Every key in the order the file is written, so the first problem reported is the
// first a reader of the file meets.
bool SetupParser::ReadSetup(const Json& root, Setup& setup) {
  return ReadVersion(root) && CheckKeys(root, "", kTopKeys, kOptionalTopKeys) &&
         ReadPreset(root, setup.preset) && ReadReal(root, "bitrate", kBitrate, setup.bitrateGbps) &&
         ReadReal(root, "risetime", kRisetime, setup.risetimePs) &&
         ReadSamplesPerBit(root, setup.samplesPerBit) &&
         ReadReal(root, "bandwidth", kBandwidth, setup.bandwidthGhz) &&
         ReadReal(root, "rolloff", kRolloff, setup.rolloffDbPerDecade) &&
         ReadReal(root, "groupDelay", kGroupDelay, setup.groupDelayPs) &&
         ReadFlatness(root, setup.flatnessDb) && CheckPresetRow(setup) &&
         ReadBool(root, "threeCells", setup.threeCells) && ReadResponse(root, setup.response) &&
         ReadStatEye(root, setup.statEye) && ReadViews(root, setup.views);
}

// "[json.exception.parse_error.101] parse error at line 2, column 3: syntax error ..."
// without the library's bracketed prefix.
std::string ParseProblem(const Json::parse_error& error) {
  std::string_view message = error.what();
  if (const std::size_t end = message.find("] "); end != std::string_view::npos)
    message.remove_prefix(end + 2);
  return "is not valid JSON: " + std::string(message);
}

SetupReading SetupParser::Parse(std::string_view text) {
  RepeatedKeyFinder finder;
  Json root;
  try {
    root = Json::parse(text, std::ref(finder));
  } catch (const Json::parse_error& error) {
    return {std::nullopt, label_ + ": " + ParseProblem(error)};
  }
  if (!finder.Repeated().empty())
    return {std::nullopt, label_ + ": " + KeyText(finder.Repeated()) + ": is given more than once"};
  Setup setup;
  if (!ReadSetup(root, setup)) return {std::nullopt, error_};
  return {setup, ""};
}

}  // namespace

SetupReading ParseSetup(std::string_view text, std::string_view label,
                        const std::filesystem::path& folder) {
  return SetupParser(label, folder).Parse(text);
}

SetupReading ReadSetupFile(const std::filesystem::path& path) {
  const std::string label = path.string();
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return {std::nullopt, label + ": is a folder, not a setup file"};
  std::ifstream file(path, std::ios::binary);
  if (!file) return {std::nullopt, label + ": cannot be read (missing or not permitted)"};
  std::string text(kMaxSetupBytes + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (file.bad()) return {std::nullopt, label + ": cannot be read"};
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.size() > kMaxSetupBytes)
    return {std::nullopt, label + ": is larger than " + std::to_string(kMaxSetupBytes >> 20) +
                              " MiB; a setup file has a few hundred bytes"};
  return ParseSetup(text, label, SetupFolder(path));
}

}  // namespace tovan
