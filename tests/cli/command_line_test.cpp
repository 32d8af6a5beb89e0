#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/png_export.h"

namespace tovan {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "tovan-cli");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(ParseCommandLine, NoArgumentsRunsPresetZeroWithNothingOverridden) {
  const ParsedCommandLine parsed = Parse({});
  ASSERT_EQ(parsed.kind, CommandKind::kRun) << parsed.text;
  const CliOptions& o = parsed.options;
  EXPECT_TRUE(o.applyPreset);
  EXPECT_EQ(o.preset, 0);
  EXPECT_FALSE(o.bitrateGbps || o.risetimePs || o.samplesPerBit || o.bandwidthGhz ||
               o.rolloffDbPerDecade || o.groupDelayPs || o.flatnessDb || o.csvDirectory);
  EXPECT_FALSE(o.threeCells || o.json || o.stages);
}

TEST(ParseCommandLine, EveryOptionReachesItsField) {
  const ParsedCommandLine parsed = Parse({"--preset",
                                          "5",
                                          "--bitrate",
                                          "2.5",
                                          "--risetime=120.5",
                                          "--samples-per-bit",
                                          "64",
                                          "--bandwidth",
                                          "8",
                                          "--rolloff",
                                          "200",
                                          "--group-delay",
                                          "-45",
                                          "--flatness",
                                          "-1,0,1,0,0,0,0,0,0,2",
                                          "--three-cells",
                                          "--json",
                                          "--stages",
                                          "--csv",
                                          "out dir"});
  ASSERT_EQ(parsed.kind, CommandKind::kRun) << parsed.text;
  const CliOptions& o = parsed.options;
  EXPECT_TRUE(o.applyPreset);
  EXPECT_EQ(o.preset, 5);
  EXPECT_EQ(o.bitrateGbps, 2.5);
  EXPECT_EQ(o.risetimePs, 120.5);
  EXPECT_EQ(o.samplesPerBit, 64);
  EXPECT_EQ(o.bandwidthGhz, 8.0);
  EXPECT_EQ(o.rolloffDbPerDecade, 200.0);
  EXPECT_EQ(o.groupDelayPs, -45.0);
  const std::array<double, 10> levels{-1, 0, 1, 0, 0, 0, 0, 0, 0, 2};
  EXPECT_EQ(o.flatnessDb, levels);
  EXPECT_TRUE(o.threeCells && o.json && o.stages);
  EXPECT_EQ(o.csvDirectory, "out dir");
}

TEST(ParseCommandLine, MetricsAndSweepReachTheirFields) {
  const ParsedCommandLine parsed =
      Parse({"--metrics", "--json", "--sweep", "flatness2=-1:1:0.5", "--three-cells"});
  ASSERT_EQ(parsed.kind, CommandKind::kRun) << parsed.text;
  EXPECT_TRUE(parsed.options.metrics);
  ASSERT_TRUE(parsed.options.sweep);
  EXPECT_EQ(parsed.options.sweep->parameter.kind, SweepKind::kFlatnessLevel);
  EXPECT_EQ(parsed.options.sweep->parameter.level, 1);
  EXPECT_EQ(parsed.options.sweep->values, (std::vector<double>{-1, -0.5, 0, 0.5, 1}));
}

TEST(ParseCommandLine, PicturesHaveADefaultSizeWhereTheyCanBeDrawn) {
  const ParsedCommandLine parsed = Parse({"--png-time", "t.png", "--height", "300"});
  if (!PngExportAvailable()) {
    EXPECT_EQ(parsed.kind, CommandKind::kError);
    EXPECT_EQ(parsed.text,
              "tovan-cli: --png-time: PNG export is not in this build (it was built without the "
              "desktop libraries)");
    return;
  }
  ASSERT_EQ(parsed.kind, CommandKind::kRun) << parsed.text;
  EXPECT_EQ(parsed.options.pngTimePath, "t.png");
  EXPECT_FALSE(parsed.options.pngFreqPath);
  EXPECT_EQ(parsed.options.pngWidth, 800);
  EXPECT_EQ(parsed.options.pngHeight, 300);
}

TEST(ParseCommandLine, NoPresetKeepsTheEngineDefaults) {
  const ParsedCommandLine parsed = Parse({"--no-preset", "--rolloff", "0"});
  ASSERT_EQ(parsed.kind, CommandKind::kRun) << parsed.text;
  EXPECT_FALSE(parsed.options.applyPreset);
  EXPECT_EQ(parsed.options.rolloffDbPerDecade, 0.0);
}

TEST(ParseCommandLine, HelpListsEveryOption) {
  const ParsedCommandLine parsed = Parse({"--help"});
  ASSERT_EQ(parsed.kind, CommandKind::kHelp);
  for (const char* name :
       {"--preset", "--no-preset", "--bitrate", "--risetime", "--samples-per-bit", "--bandwidth",
        "--rolloff", "--group-delay", "--flatness", "--three-cells", "--json", "--stages", "--csv",
        "--jobs", "--help", "--version"})
    EXPECT_NE(parsed.text.find(name), std::string::npos) << name;
}

TEST(ParseCommandLine, VersionNamesTheProgram) {
  const ParsedCommandLine parsed = Parse({"--version"});
  ASSERT_EQ(parsed.kind, CommandKind::kVersion);
  EXPECT_EQ(parsed.text, "tovan-cli 1.0\n");
}

struct BadCase {
  std::vector<std::string> args;
  std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
  for (const std::string& arg : c.args) *os << "[" << arg << "]";
}

class RefusedCommandLine : public ::testing::TestWithParam<BadCase> {};

TEST_P(RefusedCommandLine, GivesItsOneLineMessage) {
  const ParsedCommandLine parsed = Parse(GetParam().args);
  EXPECT_EQ(parsed.kind, CommandKind::kError);
  EXPECT_EQ(parsed.text, GetParam().message);
}

const std::string kBitrate = " (allowed: 1 to 6 Gbps)";

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedCommandLine,
    ::testing::Values(
        BadCase{{"--bitrate", "7"}, "tovan-cli: --bitrate: '7' is out of range" + kBitrate},
        BadCase{{"--bitrate", ""},
                "tovan-cli: --bitrate: '' is not a finite decimal number" + kBitrate},
        BadCase{{"--bitrate"}, "tovan-cli: --bitrate needs a value" + kBitrate},
        BadCase{{"--bitrate="}, "tovan-cli: --bitrate needs a value" + kBitrate},
        BadCase{{"--bitrate=3", "--bitrate", "4"},
                "tovan-cli: --bitrate is given more than once" + kBitrate},
        BadCase{{"--bitrate", "3", "4"}, "tovan-cli: unknown argument '4' (see --help)"},
        BadCase{{"--frobnicate"}, "tovan-cli: unknown argument '--frobnicate' (see --help)"},
        BadCase{{"-x"}, "tovan-cli: unknown argument '-x' (see --help)"},
        BadCase{{"--preset", "1", "--no-preset"},
                "tovan-cli: --preset and --no-preset exclude each other"},
        BadCase{{"--json", "--json"}, "tovan-cli: --json is given more than once"},
        BadCase{{"--json=yes"}, "tovan-cli: --json takes no value"},
        BadCase{{"--stages"}, "tovan-cli: --stages needs --json"},
        BadCase{{"--csv", ""}, "tovan-cli: --csv needs a value (allowed: a directory path)"},
        BadCase{{"--bitrate", "2\n--json"},
                "tovan-cli: --bitrate: '2\\x0a--json' is not a finite decimal number" + kBitrate},
        BadCase{{"--sweep", "bandwidth=1:5:1", "--bandwidth", "3"},
                "tovan-cli: --sweep bandwidth and --bandwidth exclude each other"},
        BadCase{{"--sweep", "flatness7=1:5:1", "--flatness", "0,0,0,0,0,0,0,0,0,0"},
                "tovan-cli: --sweep flatness7 and --flatness exclude each other"},
        BadCase{{"--no-preset", "--sweep", "preset=0:2:1"},
                "tovan-cli: --sweep preset and --no-preset exclude each other"},
        BadCase{{"--sweep", "rolloff=0:100:50", "--csv", "out"},
                "tovan-cli: --sweep and --csv exclude each other"},
        BadCase{{"--sweep", "rolloff=0:100:50", "--json", "--stages"},
                "tovan-cli: --sweep and --stages exclude each other"},
        BadCase{{"--width", "640"}, "tovan-cli: --width needs --png-time or --png-freq"},
        BadCase{{"--jobs", "2"}, "tovan-cli: --jobs needs --sweep"},
        BadCase{{"--sweep", "rolloff=0:100:50", "--jobs", "0"},
                "tovan-cli: --jobs: '0' is out of range (allowed: 1 to 256 threads)"},
        BadCase{{"--sweep", "rolloff=0:100:0"},
                "tovan-cli: --sweep: rolloff STEP '0' is zero (allowed: a STEP from START "
                "towards STOP)"},
        // Values are checked after the structure, so the unknown argument is reported first.
        BadCase{{"--bitrate", "9", "--what"},
                "tovan-cli: unknown argument '--what' (see --help)"}));

}  // namespace
}  // namespace tovan
