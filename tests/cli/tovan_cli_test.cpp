// The built tovan-cli, run as a separate process and checked against the engine called
// directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/png_export.h"
#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"
#include "engine_json_expectations.h"
#include "measure/engine_eye.h"
#include "process_run.h"
#include "stateye/stat_eye.h"

namespace tovan {
namespace {

using cli_test::RunCli;
using cli_test::SameColumns;
using cli_test::SameEyeComparison;
using cli_test::SameNumber;
using cli_test::SameTable;
using cli_test::SameValues;

void ExpectSameTraces(const nlohmann::json& document, SignalEngine& engine) {
  EXPECT_EQ(document["failed"], engine.Failed());
  EXPECT_TRUE(SameColumns(document["inputTraces"], engine.InputTraces()));
  EXPECT_TRUE(SameColumns(document["outputTraces"], engine.OutputTraces()));
  EXPECT_TRUE(SameTable(document["scopeMagnitudeTrace"], engine.ScopeMagnitudeTrace()));
  EXPECT_TRUE(SameTable(document["scopePhaseTrace"], engine.ScopePhaseTrace()));
  EXPECT_TRUE(SameTable(document["outputSpectrumTrace"], engine.OutputSpectrumTrace()));
  EXPECT_TRUE(SameTable(document["inputSpectrumTrace"], engine.InputSpectrumTrace()));
}

nlohmann::json RunJson(const std::vector<std::string>& args) {
  const cli_test::ProcessResult run = RunCli(args);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  return nlohmann::json::parse(run.out);
}

// The document's statistical eye is the library's, with --noise read in mV.
TEST(TovanCliJson, StatEyeCarriesTheLibraryFiguresAndEveryContourLevel) {
  const auto document = RunJson({"--stat-eye", "--rj", "2", "--dj", "10", "--noise", "5", "--ber", "1e-15", "--json"});
  ASSERT_TRUE(document.contains("statEye"));
  const nlohmann::json& statEye = document["statEye"];
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  StatEyeSettings settings;
  settings.rj = 2.0;
  settings.dj = 10.0;
  settings.noise = 0.005;
  settings.targetBer = 1e-15;
  const StatEye eye = ComputeStatEyeFigures(EngineEyeSignal(engine), settings);
  EXPECT_EQ(statEye["noise"], 5.0);
  EXPECT_EQ(statEye["eyeHeight"], eye.figures.eyeHeight);
  EXPECT_EQ(statEye["eyeWidth"], eye.figures.eyeWidth);
  EXPECT_EQ(statEye["bestPhase"], eye.figures.bestPhase);
  for (const char* level : {"1e-3", "1e-6", "1e-9", "1e-12", "1e-15"})
    EXPECT_TRUE(statEye["contours"].contains(level)) << level;
  EXPECT_EQ(statEye["bathtubVertical"]["volts"].size(), statEye["bathtubVertical"]["log10Ber"].size());
}

// Its time is measured by bench/sweep_bench.cpp (BM_DefaultJsonDocument).
TEST(TovanCliJson, DefaultIsPresetZeroAsTheDesktopStarts) {
  const cli_test::ProcessResult run = RunCli({"--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one document on one line";
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  const auto document = nlohmann::json::parse(run.out);
  EXPECT_TRUE(SameNumber(document["parameters"]["groupDelay"], -32 * 0.001));
  ExpectSameTraces(document, engine);
  EXPECT_FALSE(document.contains("stages"));
}

TEST(TovanCliJson, NoPresetIsTheEngineAsConstructed) {
  SignalEngine engine;
  ExpectSameTraces(RunJson({"--no-preset", "--json"}), engine);
}

TEST(TovanCliJson, ExplicitValuesOverrideThePreset) {
  const auto document =
      RunJson({"--preset", "6", "--bitrate", "2.5", "--risetime", "120", "--samples-per-bit", "64",
               "--bandwidth", "8.25", "--group-delay", "-45.5", "--flatness",
               "0.5,-1,0,0,2,0,0,0,0,-0.25", "--three-cells", "--json"});
  SignalEngine engine;
  engine.bitrate.Write(2.5);
  engine.risetime.Write(0.12);
  engine.samplesPerBit.Write(64);
  engine.bandwidth.Write(8.25);
  engine.rolloff.Write(320.0);  // preset 6's rolloff, not overridden
  engine.groupDelay.Write(-45.5 / 1000.0);
  const double levels[] = {0.5, -1, 0, 0, 2, 0, 0, 0, 0, -0.25};
  for (int k = 0; k < 10; ++k) engine.flatnessLevels[k].Write(levels[k]);
  engine.show3BitCells.Write(true);
  const nlohmann::json& parameters = document["parameters"];
  EXPECT_TRUE(SameNumber(parameters["risetime"], 120 / 1000.0));
  EXPECT_TRUE(SameNumber(parameters["rolloff"], 320.0));
  EXPECT_EQ(parameters["samplesPerBit"], 64);
  EXPECT_EQ(parameters["show3BitCells"], true);
  ExpectSameTraces(document, engine);
}

TEST(TovanCliJson, StagesAreAddedOnRequest) {
  const auto document = RunJson({"--json", "--stages", "--no-preset"});
  ASSERT_TRUE(document.contains("stages"));
  SignalEngine engine;
  EXPECT_TRUE(SameValues(document["stages"]["waveform"], engine.Waveform()));
  EXPECT_TRUE(SameValues(document["stages"]["outputSignal"], engine.OutputSignal()));
  EXPECT_TRUE(document["stages"]["powerLaw"].is_null());
}

TEST(TovanCliSummary, WithoutOutputOptionsASummaryIsPrinted) {
  const cli_test::ProcessResult run = RunCli({"--preset", "5"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("4.1 GHz"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("128 bit cells of 32 samples"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("2049 frequency points"), std::string::npos) << run.out;
}

TEST(TovanCliInformation, HelpAndVersionGoToStdout) {
  const cli_test::ProcessResult help = RunCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--group-delay PS"), std::string::npos) << help.out;
  EXPECT_EQ(help.err, "");
  const cli_test::ProcessResult version = RunCli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "tovan-cli 1.0\n");
}

TEST(TovanCliMetrics, JsonMetricsAreTheMeasuredEyeOfTheSameSettings) {
  const auto document =
      RunJson({"--preset", "3", "--three-cells", "--samples-per-bit", "64", "--metrics", "--json"});
  SignalEngine engine;
  ApplyScopePreset(engine, 3);
  engine.show3BitCells.Write(true);
  engine.samplesPerBit.Write(64);
  ExpectSameTraces(document, engine);
  EXPECT_TRUE(SameEyeComparison(document["metrics"], MeasureEngineEye(engine)));
}

TEST(TovanCliMetrics, WithoutJsonATableGoesToStdout) {
  const cli_test::ProcessResult run = RunCli({"--metrics", "--risetime", "80"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 18) << run.out;
  EXPECT_TRUE(run.out.starts_with("figure")) << run.out;
  EXPECT_NE(run.out.find("\njitterPp "), std::string::npos) << run.out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(TovanCliSweep, JsonRowsEqualSeparateRunsAtEachValue) {
  const auto sweep = RunJson({"--preset", "5", "--sweep", "bandwidth=3:5:0.5", "--json"});
  EXPECT_EQ(sweep["sweep"], "bandwidth");
  ASSERT_EQ(sweep["rows"].size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const double bandwidth = 3.0 + 0.5 * i;
    const nlohmann::json& row = sweep["rows"][i];
    EXPECT_TRUE(SameNumber(row["value"], bandwidth));
    const auto separate =
        RunJson({"--preset", "5", "--bandwidth", row["value"].dump(), "--metrics", "--json"});
    EXPECT_EQ(row["metrics"], separate["metrics"]) << bandwidth;
    SignalEngine engine;
    ApplyScopePreset(engine, 5);
    engine.bandwidth.Write(bandwidth);
    EXPECT_TRUE(SameEyeComparison(row["metrics"], MeasureEngineEye(engine))) << bandwidth;
  }
}

TEST(TovanCliSweep, CsvHasAHeaderAndOneRowPerValue) {
  const cli_test::ProcessResult run = RunCli({"--sweep", "rolloff=480:0:-120"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_TRUE(lines[0].starts_with("rolloff,input_eyeHeight,input_eyeHeightBest,")) << lines[0];
  EXPECT_TRUE(lines[0].ends_with(",difference_overshoot,difference_undershoot")) << lines[0];
  const char* values[] = {"480.0,", "360.0,", "240.0,", "120.0,", "0.0,"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(lines[i + 1].starts_with(values[i])) << lines[i + 1];
    EXPECT_EQ(std::count(lines[i + 1].begin(), lines[i + 1].end(), ','), 39);
  }
}

// Its time is measured by bench/sweep_bench.cpp (BM_BandwidthSweep100Points).
TEST(TovanCliSweep, AHundredPointBandwidthSweepIsTheSameOnOneOrTwoThreads) {
  const cli_test::ProcessResult one = RunCli({"--sweep", "bandwidth=1:10.9:0.1", "--jobs", "1"});
  const cli_test::ProcessResult two = RunCli({"--sweep", "bandwidth=1:10.9:0.1", "--jobs", "2"});
  ASSERT_EQ(one.exitCode, 0) << one.err;
  ASSERT_EQ(two.exitCode, 0) << two.err;
  EXPECT_EQ(SplitLines(one.out).size(), 101u);
  EXPECT_TRUE(SplitLines(one.out).back().starts_with("10.9,"));
  EXPECT_EQ(two.out, one.out);
}

TEST(TovanCliPictures, RefusedWhereThisBuildCannotDraw) {
  if (PngExportAvailable()) GTEST_SKIP() << "this build draws pictures";
  const cli_test::ProcessResult run = RunCli({"--png-freq", "f.png"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "tovan-cli: --png-freq: PNG export is not in this build (it was built without the "
            "desktop libraries)\n");
}

class TovanCliCsv : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("tovan-cli-csv-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::vector<std::string> Lines(const std::string& name) const {
    std::ifstream file(directory_ / name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  std::filesystem::path directory_;
};

TEST_F(TovanCliCsv, WritesThreeFilesOfTheTraceShapes) {
  const cli_test::ProcessResult run =
      RunCli({"--csv", directory_.string(), "--three-cells", "--samples-per-bit", "16"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  for (const char* name : {"input_traces.csv", "output_traces.csv"}) {
    const std::vector<std::string> lines = Lines(name);
    ASSERT_EQ(lines.size(), 1u + 3u * 16u) << name;  // header, then three cells of 16 samples
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 127) << name;
    EXPECT_TRUE(lines[0].starts_with("cell_0,cell_1,")) << name;
    EXPECT_TRUE(lines[0].ends_with(",cell_127")) << name;
    for (const std::string& line : lines) ASSERT_EQ(std::count(line.begin(), line.end(), ','), 127);
  }
  const std::vector<std::string> frequency = Lines("frequency.csv");
  ASSERT_EQ(frequency.size(), 1u + 1025u);  // 16 samples per bit: 1025 frequency points
  EXPECT_EQ(frequency[0],
            "frequency_ghz,magnitude_db,phase_deg,input_spectrum_db,output_spectrum_db");
  EXPECT_TRUE(frequency[1].starts_with("0.0,")) << frequency[1];
  for (const std::string& line : frequency) ASSERT_EQ(std::count(line.begin(), line.end(), ','), 4);
}

TEST_F(TovanCliCsv, JsonAndCsvTogether) {
  const cli_test::ProcessResult run = RunCli({"--csv", directory_.string(), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(nlohmann::json::parse(run.out).contains("outputTraces"));
  EXPECT_EQ(Lines("frequency.csv").size(), 2050u);
}

TEST_F(TovanCliCsv, AnUnwritableDirectoryExitsWithOne) {
  std::filesystem::create_directories(directory_);
  std::ofstream(directory_ / "file") << "x";
  const cli_test::ProcessResult run = RunCli({"--csv", (directory_ / "file").string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("cannot create"), std::string::npos) << run.err;
}

struct BadArguments {
  std::vector<std::string> args;
  std::string option;   // named in the message
  std::string allowed;  // the range the message states
};

void PrintTo(const BadArguments& c, std::ostream* os) {
  for (const std::string& arg : c.args) *os << "[" << arg << "]";
}

class TovanCliRefuses : public ::testing::TestWithParam<BadArguments> {};

TEST_P(TovanCliRefuses, WithExitTwoAndOneLineNamingTheOption) {
  const cli_test::ProcessResult run = RunCli(GetParam().args);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_TRUE(run.err.starts_with("tovan-cli: ")) << run.err;
  EXPECT_NE(run.err.find(GetParam().option), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(GetParam().allowed), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TovanCliRefuses,
    ::testing::Values(
        BadArguments{{"--bitrate", "0.5", "--json"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", "NaN"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", "3.1x"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", "1e999"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--json", "--bitrate"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", "2", "--bitrate", "3"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--risetime", "9"}, "--risetime", "10 to 600 ps"},
        BadArguments{{"--samples-per-bit", "8"}, "--samples-per-bit", "16, 32, 64, 128, 256"},
        BadArguments{{"--bandwidth", "20.5"}, "--bandwidth", "1 to 20 GHz"},
        BadArguments{{"--rolloff", "-1"}, "--rolloff", "0 to 480 dB/decade"},
        BadArguments{{"--group-delay", "-301"}, "--group-delay", "-300 to 300 ps"},
        BadArguments{{"--group-delay=300.5"}, "--group-delay", "-300 to 300 ps"},
        BadArguments{{"--flatness", "0,0,0"}, "--flatness", "each -5 to 5 dB"},
        BadArguments{{"--flatness", "0,0,0,0,0,0,0,0,0,5.5"}, "--flatness", "each -5 to 5 dB"},
        BadArguments{{"--preset", "8"}, "--preset", "0 to 7"},
        BadArguments{{"--csv"}, "--csv", "a directory path"},
        BadArguments{{"--preset", "2", "--no-preset"}, "--no-preset", "exclude each other"},
        BadArguments{{"--unknown-option"}, "'--unknown-option'", "see --help"},
        BadArguments{{"stray"}, "'stray'", "see --help"},
        BadArguments{{"--three-cells", "--three-cells"}, "--three-cells", "more than once"},
        BadArguments{{"--stages"}, "--stages", "--json"},
        // The statistical eye.
        BadArguments{{"--stat-eye", "--rj", "-1"}, "--rj", "0 or more ps"},
        BadArguments{{"--stat-eye", "--dj", "inf"}, "--dj", "0 or more ps"},
        BadArguments{{"--stat-eye", "--noise", "five"}, "--noise", "0 or more mV"},
        BadArguments{{"--stat-eye", "--noise", "nan"}, "--noise", "0 or more mV"},
        BadArguments{{"--stat-eye", "--ber", "0"}, "--ber", "more than 0 and less than 0.5"},
        BadArguments{{"--stat-eye", "--ber", "0.5"}, "--ber", "more than 0 and less than 0.5"},
        BadArguments{{"--stat-eye", "--ber", "-1e-12"}, "--ber", "more than 0 and less than 0.5"},
        BadArguments{{"--stat-eye", "--ber"}, "--ber", "more than 0 and less than 0.5"},
        BadArguments{{"--rj", "2"}, "--rj", "needs --stat-eye"},
        // Non-finite, empty, overflowing and trailing-garbage numbers.
        BadArguments{{"--bitrate", "inf"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", "-inf"}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--bitrate", ""}, "--bitrate", "1 to 6 Gbps"},
        BadArguments{{"--risetime", "nan"}, "--risetime", "10 to 600 ps"},
        BadArguments{{"--risetime", "1e999"}, "--risetime", "10 to 600 ps"},
        BadArguments{{"--risetime", "55.5ps"}, "--risetime", "10 to 600 ps"},
        BadArguments{{"--risetime", "601"}, "--risetime", "10 to 600 ps"},
        BadArguments{{"--samples-per-bit", "32.0"}, "--samples-per-bit", "16, 32, 64, 128, 256"},
        BadArguments{{"--samples-per-bit", "1e999"}, "--samples-per-bit", "16, 32, 64, 128, 256"},
        BadArguments{{"--samples-per-bit", "48"}, "--samples-per-bit", "16, 32, 64, 128, 256"},
        BadArguments{{"--bandwidth", "0x10"}, "--bandwidth", "1 to 20 GHz"},
        BadArguments{{"--bandwidth", " 5"}, "--bandwidth", "1 to 20 GHz"},
        BadArguments{{"--bandwidth", "-inf"}, "--bandwidth", "1 to 20 GHz"},
        BadArguments{{"--rolloff", "481"}, "--rolloff", "0 to 480 dB/decade"},
        BadArguments{{"--rolloff", "+20"}, "--rolloff", "0 to 480 dB/decade"},
        BadArguments{{"--group-delay", "inf"}, "--group-delay", "-300 to 300 ps"},
        BadArguments{{"--group-delay", "-1e999"}, "--group-delay", "-300 to 300 ps"},
        BadArguments{{"--preset", "-1"}, "--preset", "0 to 7"},
        BadArguments{{"--preset", "2.5"}, "--preset", "0 to 7"},
        BadArguments{{"--preset", ""}, "--preset", "0 to 7"},
        // Flatness levels: wrong counts and bad entries.
        BadArguments{{"--flatness", "0,0,0,0,0,0,0,0,0,0,0"}, "--flatness", "11 levels, not 10"},
        BadArguments{{"--flatness", "0,0,0,0,0,0,0,0,0"}, "--flatness", "9 levels, not 10"},
        BadArguments{{"--flatness", ""}, "--flatness", "1 levels, not 10"},
        BadArguments{{"--flatness", "0,0,0,0,nan,0,0,0,0,0"}, "--flatness", "level 5"},
        BadArguments{{"--flatness", "0,0,0,0,0,0,0,0,0,"}, "--flatness", "level 10"},
        BadArguments{{"--flatness", "0;0;0;0;0;0;0;0;0;0"}, "--flatness", "1 levels, not 10"},
        // Repeated, unknown and conflicting options.
        BadArguments{{"--preset", "0", "--preset", "1"}, "--preset", "more than once"},
        BadArguments{{"--json", "--json"}, "--json", "more than once"},
        BadArguments{{"--no-preset", "--preset", "0"}, "--no-preset", "exclude each other"},
        BadArguments{{"-b", "3"}, "'-b'", "see --help"},
        BadArguments{{"--Bitrate", "3"}, "'--Bitrate'", "see --help"},
        BadArguments{{"--json=1"}, "--json", "takes no value"},
        // Sweeps.
        BadArguments{{"--sweep", "bandwidth=5:5:1"}, "--sweep", "START different from STOP"},
        BadArguments{{"--sweep", "bandwidth=1:5:0"}, "--sweep", "towards STOP"},
        BadArguments{{"--sweep", "bandwidth=1:5:-1"}, "--sweep", "towards STOP"},
        BadArguments{{"--sweep", "volume=1:5:1"}, "--sweep", "flatness1 to flatness10"},
        BadArguments{{"--sweep", "bandwidth=1:x:1"}, "--sweep", "1 to 20 GHz"},
        BadArguments{{"--sweep", "bandwidth=1:inf:1"}, "--sweep", "1 to 20 GHz"},
        BadArguments{{"--sweep", "bandwidth=1:20:0.001"}, "--sweep", "at most 1000 points"},
        BadArguments{{"--sweep", "bandwidth=1:25:1"}, "--sweep", "1 to 20 GHz"},
        BadArguments{{"--sweep", "bandwidth:1:2:1"}, "--sweep", "NAME=START:STOP:STEP"},
        BadArguments{{"--sweep"}, "--sweep", "NAME=START:STOP:STEP"},
        BadArguments{{"--sweep="}, "--sweep", "NAME=START:STOP:STEP"},
        BadArguments{{"--sweep", "rolloff=0:20:10", "--sweep", "rolloff=0:40:20"},
                     "--sweep",
                     "more than once"},
        BadArguments{{"--sweep", "bandwidth=1:5:1", "--bandwidth", "3"},
                     "--sweep bandwidth",
                     "exclude each other"},
        BadArguments{
            {"--sweep", "risetime=20:30:5", "--csv", "dir"}, "--csv", "exclude each other"},
        // Picture options.
        BadArguments{{"--width", "640"}, "--width", "--png-time or --png-freq"},
        BadArguments{{"--height", "480", "--json"}, "--height", "--png-time or --png-freq"},
        BadArguments{{"--png-time", "t.png", "--width", "10"}, "--width", "64 to 4096 pixels"},
        BadArguments{{"--png-time", "t.png", "--width", "5000"}, "--width", "64 to 4096 pixels"},
        BadArguments{{"--png-freq", "f.png", "--height", "1e3"}, "--height", "64 to 4096 pixels"},
        BadArguments{{"--png-freq", "f.png", "--height", "abc"}, "--height", "64 to 4096 pixels"},
        BadArguments{{"--png-freq", "f.png", "--height"}, "--height", "64 to 4096 pixels"},
        BadArguments{{"--png-time", ""}, "--png-time", "a file path"},
        BadArguments{{"--sweep", "bitrate=1:2:1", "--png-time", "t.png"},
                     "--png-time",
                     "exclude each other"}));

}  // namespace
}  // namespace tovan
