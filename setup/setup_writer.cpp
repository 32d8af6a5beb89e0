#include "setup/setup_writer.h"

#include <cmath>
#include <fstream>
#include <system_error>

#include "document/json_writer.h"
#include "document/number_format.h"

namespace tovan {

namespace {

// Shortest round-trip text; a negative zero keeps its ".0", since "-0" reads back as
// the integer 0.
std::string Number(double x) {
  if (x == 0.0 && std::signbit(x)) return "-0.0";
  return PlainText(x);
}

std::string Quote(std::string_view text) {
  JsonWriter json;
  json.String(text);
  return json.TakeText();
}

std::string Boolean(bool b) { return b ? "true" : "false"; }

// The "KEY": VALUE lines of one object at one indent, joined with commas.
class Members {
 public:
  explicit Members(std::string indent) : indent_(std::move(indent)) {}
  void Add(std::string_view key, const std::string& value) {
    if (!text_.empty()) text_ += ",\n";
    text_ += indent_ + Quote(key) + ": " + value;
  }
  std::string Object(std::string_view closingIndent) const {
    return "{\n" + text_ + "\n" + std::string(closingIndent) + "}";
  }

 private:
  std::string indent_;
  std::string text_;
};

std::string FlatnessText(const std::array<double, kFlatnessLevelCount>& levels) {
  std::string text = "[";
  for (int k = 0; k < kFlatnessLevelCount; ++k) text += (k ? ", " : "") + Number(levels[k]);
  return text + "]";
}

// Below folder: relative with forward slashes; elsewhere: absolute.
std::string ResponsePath(const std::string& file, const std::filesystem::path& folder) {
  const std::filesystem::path absolute = std::filesystem::absolute(file).lexically_normal();
  const std::filesystem::path base = std::filesystem::absolute(folder).lexically_normal();
  const std::filesystem::path relative = absolute.lexically_relative(base);
  const bool below = !relative.empty() && *relative.begin() != "..";
  return (below ? relative : absolute).generic_string();
}

std::string ViewsText(const SetupViews& views) {
  Members members("    ");
  members.Add("timeGrid", Boolean(views.timeGrid));
  members.Add("timeInput", Boolean(views.timeInput));
  members.Add("timeOutput", Boolean(views.timeOutput));
  members.Add("freqGrid", Boolean(views.freqGrid));
  members.Add("freqMagnitude", Boolean(views.freqMagnitude));
  members.Add("freqPhase", Boolean(views.freqPhase));
  members.Add("freqInputSpectrum", Boolean(views.freqInputSpectrum));
  members.Add("freqOutputSpectrum", Boolean(views.freqOutputSpectrum));
  members.Add("printColors", Boolean(views.printColors));
  return members.Object("  ");
}

void AddOptionalBlocks(Members& members, const Setup& setup, const std::filesystem::path& folder) {
  if (setup.response) {
    Members response("    ");
    response.Add("file", Quote(ResponsePath(setup.response->file, folder)));
    response.Add("mode", Quote(setup.response->mode));
    members.Add("response", response.Object("  "));
  }
  if (setup.statEye) {
    Members statEye("    ");
    statEye.Add("rj", Number(setup.statEye->rjPs));
    statEye.Add("dj", Number(setup.statEye->djPs));
    statEye.Add("noise", Number(setup.statEye->noiseMv));
    statEye.Add("ber", Number(setup.statEye->ber));
    members.Add("statEye", statEye.Object("  "));
  }
}

}  // namespace

std::filesystem::path SetupFolder(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

std::string SetupText(const Setup& setup, const std::filesystem::path& folder) {
  Members members("  ");
  members.Add("tovanSetup", std::to_string(kSetupVersion));
  members.Add("preset",
              setup.preset == kCustomPreset ? Quote("custom") : std::to_string(setup.preset));
  members.Add("bitrate", Number(setup.bitrateGbps));
  members.Add("risetime", Number(setup.risetimePs));
  members.Add("samplesPerBit", std::to_string(setup.samplesPerBit));
  members.Add("bandwidth", Number(setup.bandwidthGhz));
  members.Add("rolloff", Number(setup.rolloffDbPerDecade));
  members.Add("groupDelay", Number(setup.groupDelayPs));
  members.Add("flatness", FlatnessText(setup.flatnessDb));
  members.Add("threeCells", Boolean(setup.threeCells));
  AddOptionalBlocks(members, setup, folder);
  members.Add("views", ViewsText(setup.views));
  return members.Object("") + "\n";
}

std::string WriteSetupFile(const std::filesystem::path& path, const Setup& setup) {
  const std::string text = SetupText(setup, SetupFolder(path));
  std::filesystem::path temporary = path;
  temporary += ".saving";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return path.string() + ": cannot be written";
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (!error) return "";
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return path.string() + ": cannot be written (" + error.message() + ")";
}

}  // namespace tovan
