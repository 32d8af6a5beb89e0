#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "setup/setup_engine.h"
#include "setup/setup_reader.h"
#include "setup/setup_writer.h"

namespace tovan {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = "/projects/eyes";

tovan::Setup OddSetup() {
  tovan::Setup setup;
  setup.preset = kCustomPreset;
  setup.bitrateGbps = 3.1234567890123;
  setup.risetimePs = 10.000000000000002;
  setup.samplesPerBit = 256;
  setup.bandwidthGhz = 4.1;
  setup.rolloffDbPerDecade = 0.0;
  setup.groupDelayPs = -0.0;
  setup.flatnessDb = {-5.0, 5.0, 0.1, -0.3, 1e-7, 0.0, -0.0, 2.5, 4.999999999999999, 0.0};
  setup.threeCells = true;
  setup.views.freqPhase = false;
  setup.views.printColors = true;
  return setup;
}

tovan::Setup WithOptionalBlocks(std::string responseFile) {
  tovan::Setup setup;
  setup.preset = 4;
  setup.bandwidthGhz = 6.0;
  setup.rolloffDbPerDecade = 120.0;
  setup.groupDelayPs = 43.0;
  setup.flatnessDb = {-0.5, -0.5, 0, 0, 0, 0, 0, 0, 0, 0};
  setup.response = ResponseSetup{std::move(responseFile), "cascade"};
  setup.statEye = StatEyeSetup{1.5, 10.0, 2.0, 1e-15};
  return setup;
}

TEST(SetupFile, TextReadsBackToTheSameSetupAndTheSameBytes) {
  const tovan::Setup setups[] = {tovan::Setup{}, OddSetup(),
                                 WithOptionalBlocks("/projects/eyes/s/probe.s2p"),
                                 WithOptionalBlocks("/elsewhere/probe.s2p")};
  for (const tovan::Setup& setup : setups) {
    const std::string text = SetupText(setup, kFolder);
    const SetupReading reading = ParseSetup(text, "a.json", kFolder);
    ASSERT_TRUE(reading.setup) << reading.error << "\n" << text;
    EXPECT_EQ(*reading.setup, setup) << text;
    EXPECT_EQ(std::signbit(reading.setup->groupDelayPs), std::signbit(setup.groupDelayPs));
    EXPECT_EQ(SetupText(*reading.setup, kFolder), text);
  }
}

TEST(SetupFile, ResponseFileIsRelativeOnlyBelowTheSetupsFolder) {
  EXPECT_NE(SetupText(WithOptionalBlocks("/projects/eyes/s/probe.s2p"), kFolder)
                .find("\"file\": \"s/probe.s2p\""),
            std::string::npos);
  EXPECT_NE(SetupText(WithOptionalBlocks("/elsewhere/probe.s2p"), kFolder)
                .find("\"file\": \"/elsewhere/probe.s2p\""),
            std::string::npos);
}

fs::path TemporaryFolder() {
  const fs::path folder =
      fs::temp_directory_path() /
      ("tovan_setup_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(folder);
  return folder;
}

std::string Contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SetupFile, SaveOpenSaveGivesTheSameBytes) {
  const fs::path folder = TemporaryFolder();
  const fs::path first = folder / "first.json", second = folder / "second.json";
  ASSERT_EQ(WriteSetupFile(first, OddSetup()), "");
  const SetupReading reading = ReadSetupFile(first);
  ASSERT_TRUE(reading.setup) << reading.error;
  ASSERT_EQ(WriteSetupFile(second, *reading.setup), "");
  EXPECT_EQ(Contents(first), Contents(second));
  fs::remove_all(folder);
}

TEST(SetupFile, FailedSaveLeavesNoFileBehind) {
  const fs::path folder = TemporaryFolder();
  const fs::path occupied = folder / "occupied.json";
  fs::create_directory(occupied);  // a folder where the file should go: rename fails
  const std::string message = WriteSetupFile(occupied, tovan::Setup{});
  EXPECT_NE(message.find(occupied.string()), std::string::npos) << message;
  EXPECT_TRUE(fs::is_directory(occupied));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_NE(WriteSetupFile(folder / "missing" / "a.json", tovan::Setup{}), "");
  fs::remove_all(folder);
}

// Replaces the text of one key in the default setup's file.
std::string Edited(std::string_view from, std::string_view to) {
  std::string text = SetupText(tovan::Setup{}, kFolder);
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(SetupFile, BadFilesAreRefusedNamingTheFileAndTheKey) {
  const struct {
    std::string text;
    std::string_view expected;  // part of the message after "bad.json: "
  } cases[] = {
      {"", "is not valid JSON"},
      {"\x89PNG\r\n\x1a\n", "is not valid JSON"},
      {SetupText(tovan::Setup{}, kFolder).substr(0, 120), "is not valid JSON"},
      {"[1, 2]", "is not a setup (the text is not a JSON object)"},
      {"{\"bitrate\": 3}", "no \"tovanSetup\" key"},
      {Edited("\"tovanSetup\": 1", "\"tovanSetup\": 2"),
       "\"tovanSetup\": version 2 was written by a newer"},
      {Edited("\"tovanSetup\": 1", "\"tovanSetup\": \"1\""),
       "\"tovanSetup\": \"1\" is not a setup version"},
      {"{\"tovanSetup\": 1, \"a\\nb\": 1}", "\"a\\nb\": is not a setup key"},
      {Edited("\"bitrate\"", "\"bitRate\""), "\"bitRate\": is not a setup key"},
      {Edited("\"preset\": 0,", "\"preset\": 0, \"preset\": 1,"),
       "\"preset\": is given more than once"},
      {Edited("  \"risetime\": 55,\n", ""), "\"risetime\": is missing"},
      {Edited("\"bitrate\": 3.125", "\"bitrate\": \"3.125\""),
       "\"bitrate\": \"3.125\" is not a number"},
      {Edited("\"bitrate\": 3.125", "\"bitrate\": 6.5"),
       "\"bitrate\": 6.5 is out of range (allowed: 1 to 6 Gbps)"},
      {Edited("\"risetime\": 55", "\"risetime\": 9"), "\"risetime\": 9 is out of range"},
      {Edited("\"samplesPerBit\": 32", "\"samplesPerBit\": 48"),
       "\"samplesPerBit\": 48 is not allowed (allowed: 16, 32, 64, 128, 256)"},
      {Edited("\"samplesPerBit\": 32", "\"samplesPerBit\": 32.0"),
       "\"samplesPerBit\": 32.0 is not allowed"},
      {Edited("\"preset\": 0", "\"preset\": 8"), "\"preset\": 8 is out of range"},
      {Edited("\"preset\": 0", "\"preset\": \"Custom\""), "\"preset\": \"Custom\" is not a preset"},
      {Edited("\"bandwidth\": 6", "\"bandwidth\": 7"), "\"bandwidth\": 7 is not preset 0's 6"},
      {Edited("\"rolloff\": 300", "\"rolloff\": 500"), "\"rolloff\": 500 is out of range"},
      {Edited("\"groupDelay\": -32", "\"groupDelay\": -301"),
       "\"groupDelay\": -301 is out of range"},
      {Edited("[0, 0, 0, 0.5, 0.5, 1, 1, 0, 0, 0]", "[0, 0, 0, 0.5, 0.5, 1, 1, 0, 0]"),
       "\"flatness\": has 9 levels, not 10"},
      {Edited("[0, 0, 0, 0.5", "[0, 0, 0, 5.5"), "\"flatness\": level 4 5.5 is out of range"},
      {Edited("[0, 0, 0, 0.5", "[0, 0, 0, null"), "\"flatness\": level 4 null is not a number"},
      {Edited("\"threeCells\": false", "\"threeCells\": 0"),
       "\"threeCells\": 0 is not true or false"},
      {Edited("\"timeGrid\": true", "\"timeGrid\": \"yes\""),
       "\"views.timeGrid\": \"yes\" is not true or false"},
      {Edited("\"printColors\"", "\"printColours\""), "\"views.printColours\": is not a setup key"},
      {Edited("\"threeCells\": false",
              "\"threeCells\": false, \"response\": {\"file\": \"a.s2p\", \"mode\": \"swap\"}"),
       "\"response.mode\": \"swap\" is not a mode"},
      {Edited("\"threeCells\": false",
              "\"threeCells\": false, \"statEye\": {\"rj\": 1, \"dj\": 0, \"noise\": 0, \"ber\": "
              "0.7}"),
       "\"statEye.ber\": 0.7 is out of range"},
      {Edited("\"threeCells\": false",
              "\"threeCells\": false, \"statEye\": {\"rj\": -1, \"dj\": 0, \"noise\": 0, \"ber\": "
              "1e-12}"),
       "\"statEye.rj\": -1 is out of range"},
  };
  for (const auto& bad : cases) {
    const SetupReading reading = ParseSetup(bad.text, "bad.json", kFolder);
    EXPECT_FALSE(reading.setup) << bad.text;
    EXPECT_TRUE(reading.error.starts_with("bad.json: ")) << reading.error;
    EXPECT_NE(reading.error.find(bad.expected), std::string::npos)
        << "message: " << reading.error << "\nexpected: " << bad.expected;
    EXPECT_EQ(reading.error.find('\n'), std::string::npos) << reading.error;
  }
}

TEST(SetupFile, UnreadableFilesAreRefused) {
  const fs::path folder = TemporaryFolder();
  EXPECT_NE(ReadSetupFile(folder / "none.json").error.find("cannot be read"), std::string::npos);
  EXPECT_NE(ReadSetupFile(folder).error.find("is a folder"), std::string::npos);
  std::ofstream(folder / "big.json") << std::string(kMaxSetupBytes + 1, ' ');
  EXPECT_NE(ReadSetupFile(folder / "big.json").error.find("is larger than"), std::string::npos);
  fs::remove_all(folder);
}

// Every whole picosecond a slider can give comes back from the engine's ns as written,
// though ps * 1000 / 1000 is often not ps.
TEST(SetupEngine, WholePicosecondsSurviveTheTripThroughNanoseconds) {
  for (int ps = -300; ps <= 600; ++ps) EXPECT_EQ(PsFromNs(NsFromPs(ps)), ps);
}

TEST(SetupEngine, SetupFromEngineAppliesToTheSameCells) {
  for (const tovan::Setup& setup : {tovan::Setup{}, OddSetup(), WithOptionalBlocks("x")}) {
    SignalEngine engine;
    ApplySetup(engine, setup);
    tovan::Setup back = SetupFromEngine(engine, setup.preset, setup.views);
    back.response = setup.response;
    back.statEye = setup.statEye;
    EXPECT_EQ(back, setup);
    EXPECT_EQ(EngineHoldsPreset(engine, 0), setup.preset == 0);
  }
}

}  // namespace
}  // namespace tovan
