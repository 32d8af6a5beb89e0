// --setup, --save-setup and --compare, run as separate processes.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "document/metrics_json.h"
#include "process_run.h"
#include "setup/setup_writer.h"

namespace tovan {
namespace {

namespace fs = std::filesystem;
using cli_test::ProcessResult;
using cli_test::RunCli;

class SetupFileCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tovan_setup_cli_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& text) const {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Output(const std::vector<std::string>& args) {
  const ProcessResult run = RunCli(args);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

tovan::Setup CustomSetup() {
  tovan::Setup setup;
  setup.preset = kCustomPreset;
  setup.bitrateGbps = 2.5;
  setup.risetimePs = 37.5;
  setup.samplesPerBit = 64;
  setup.bandwidthGhz = 4.3;
  setup.rolloffDbPerDecade = 180;
  setup.groupDelayPs = 43;
  setup.flatnessDb = {0.5, -1, 0, 0, 2, 0, 0, 0, -0.5, 0};
  setup.threeCells = true;
  return setup;
}

tovan::Setup PresetSetup() {
  tovan::Setup setup;
  setup.preset = 4;
  setup.bandwidthGhz = 6.0;
  setup.rolloffDbPerDecade = 120.0;
  setup.groupDelayPs = 43.0;
  setup.flatnessDb = {-0.5, -0.5, 0, 0, 0, 0, 0, 0, 0, 0};
  setup.bitrateGbps = 5.0;
  return setup;
}

// The file is the options it stands for, to the last bit of the JSON document; options
// after --setup override it and options before it are overridden.
TEST_F(SetupFileCli, SetupEqualsTheEquivalentOptions) {
  const std::string custom = Write("custom.json", SetupText(CustomSetup(), folder_));
  const std::string preset = Write("preset.json", SetupText(PresetSetup(), folder_));
  const struct {
    std::vector<std::string> withSetup;
    std::vector<std::string> options;
  } cases[] = {
      {{"--setup", custom},
       {"--no-preset", "--bitrate", "2.5", "--risetime", "37.5", "--samples-per-bit", "64",
        "--bandwidth", "4.3", "--rolloff", "180", "--group-delay", "43", "--flatness",
        "0.5,-1,0,0,2,0,0,0,-0.5,0", "--three-cells"}},
      {{"--setup", preset}, {"--preset", "4", "--bitrate", "5"}},
      {{"--setup", preset, "--risetime", "80", "--preset", "2"},
       {"--preset", "2", "--bitrate", "5", "--risetime", "80"}},
      {{"--risetime", "80", "--preset", "2", "--setup=" + preset},
       {"--preset", "4", "--bitrate", "5"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> a = c.withSetup, b = c.options;
    a.push_back("--json");
    b.push_back("--json");
    EXPECT_EQ(Output(a), Output(b)) << a[0] << " " << a[1];
  }
}

TEST_F(SetupFileCli, SaveOpenSaveGivesTheSameBytesAndRunsAsUsual) {
  const std::vector<std::string> options = {"--preset",   "3",   "--bandwidth", "7.7",
                                            "--risetime", "123", "--metrics"};
  std::vector<std::string> saving = options;
  saving.insert(saving.end(), {"--save-setup", Path("first.json")});
  EXPECT_EQ(Output(saving), Output(options));
  Output({"--setup", Path("first.json"), "--save-setup", Path("second.json")});
  const std::string first = Contents(Path("first.json"));
  EXPECT_NE(first.find("\"preset\": \"custom\""), std::string::npos) << first;
  EXPECT_EQ(Contents(Path("second.json")), first);
}

// The response and statistical-eye blocks stand for the options they were saved
// from: save, open, save again gives the same bytes, the file runs to the same JSON
// document, and options after --setup still override it.
TEST_F(SetupFileCli, ResponseAndStatEyeBlocksStandForTheirOptions) {
  const std::string probe =
      Write("probe.csv", "Frequency (MHz),Magnitude (dB)\n100,0\n2000,-1\n8000,-6\n");
  const std::vector<std::string> response = {"--preset", "2", "--response", probe,
                                             "--response-mode", "cascade", "--json"};
  const std::vector<std::string> statEye = {"--stat-eye", "--dj", "10", "--noise", "2.5",
                                            "--ber", "1e-9"};
  std::vector<std::string> options = response, saving = response;
  options.insert(options.end(), statEye.begin(), statEye.end());
  options.insert(options.end(), {"--rj", "1.5"});
  saving.insert(saving.end(), {"--stat-eye", "--rj", "1.5", "--dj", "10", "--noise", "2.5",
                               "--ber", "1e-9", "--save-setup", Path("first.json")});
  const std::string expected = Output(options);
  EXPECT_EQ(Output(saving), expected);
  const std::string first = Contents(Path("first.json"));
  EXPECT_NE(first.find("\"file\": \"probe.csv\""), std::string::npos) << first;
  EXPECT_EQ(Output({"--setup", Path("first.json"), "--json"}), expected);
  Output({"--setup", Path("first.json"), "--save-setup", Path("second.json")});
  EXPECT_EQ(Contents(Path("second.json")), first);
  std::vector<std::string> overridden = response;
  overridden.insert(overridden.end(), statEye.begin(), statEye.end());
  overridden.insert(overridden.end(), {"--rj", "3"});
  EXPECT_EQ(Output({"--setup", Path("first.json"), "--stat-eye", "--rj", "3", "--json"}),
            Output(overridden));
}

nlohmann::json Figures(const nlohmann::json& document, const char* key) {
  EXPECT_TRUE(document.contains(key)) << key;
  return document[key];
}

// Comparing two setups gives each one's output eye as --setup --metrics measures it,
// and a setup compared with itself differs by exactly nothing.
TEST_F(SetupFileCli, CompareGivesBothEyesAndTheirDifference) {
  const std::string a = Write("a.json", SetupText(PresetSetup(), folder_));
  const std::string b = Write("b.json", SetupText(CustomSetup(), folder_));
  const auto compared = nlohmann::json::parse(Output({"--compare", a, b, "--json"}));
  const auto runA = nlohmann::json::parse(Output({"--setup", a, "--metrics", "--json"}));
  const auto runB = nlohmann::json::parse(Output({"--setup", b, "--metrics", "--json"}));
  EXPECT_EQ(Figures(compared, "a"), runA["metrics"]["output"]);
  EXPECT_EQ(Figures(compared, "b"), runB["metrics"]["output"]);
  for (const EyeMetricField& field : DocumentedEyeFields()) {
    const auto& difference = compared["difference"][field.key];
    if (difference.is_null()) continue;
    EXPECT_EQ(difference.get<double>(),
              compared["b"][field.key].get<double>() - compared["a"][field.key].get<double>());
  }
  const auto itself = nlohmann::json::parse(Output({"--compare", a, a, "--json"}));
  for (const auto& [key, difference] : itself["difference"].items()) {
    if (itself["a"][key].is_null()) continue;
    EXPECT_EQ(difference, 0.0) << key;
  }
  const std::string table = Output({"--compare", a, a});
  EXPECT_TRUE(table.starts_with("figure")) << table;
}

TEST_F(SetupFileCli, BadFilesExitTwoWithOneLineAndNothingOnStdout) {
  const std::string text = SetupText(PresetSetup(), folder_);
  auto edited = [&](std::string_view from, std::string_view to) {
    return std::string(text).replace(text.find(from), from.size(), to);
  };
  const std::string good = Write("good.json", text);
  const std::string outOfRange = Write("range.json", edited("\"bitrate\": 5", "\"bitrate\": 9"));
  const std::string withResponse =
      Write("response.json", edited("\"threeCells\"",
                                    "\"response\": {\"file\": \"x.s2p\", \"mode\": \"replace\"}, "
                                    "\"threeCells\""));
  const struct {
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {{"--setup", Path("none.json"), "--json"}, "none.json: cannot be read"},
      {{"--setup", outOfRange}, "range.json: \"bitrate\": 9 is out of range"},
      {{"--compare", good, outOfRange, "--json"}, "range.json: \"bitrate\""},
      {{"--setup", withResponse}, "response.json: " + Path("x.s2p") + ": "},
      {{"--setup", Write("text.json", "bitrate = 3")}, "text.json: is not valid JSON"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.expected;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("tovan-cli: ")) << run.err;
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
}  // namespace tovan
