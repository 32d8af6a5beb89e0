// The pictures of the built tovan-cli, read back with QImage. Built only where the
// plot library is.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "plot/plot_colors.h"
#include "process_run.h"

namespace tovan {
namespace {

using cli_test::RunCli;

class TovanCliPng : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("tovan-cli-png-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string Path(const char* name) const { return (directory_ / name).string(); }

  std::filesystem::path directory_;
};

// Some pixel within one 8-bit step per channel of the colour, taken as 0 ... 1 x 255.
bool ContainsColour(const QImage& image, RgbColor colour) {
  const int r = static_cast<int>(std::lround(colour.red * 255));
  const int g = static_cast<int>(std::lround(colour.green * 255));
  const int b = static_cast<int>(std::lround(colour.blue * 255));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - r) <= 1 && std::abs(c.green() - g) <= 1 && std::abs(c.blue() - b) <= 1)
        return true;
    }
  return false;
}

TEST_F(TovanCliPng, BothViewsAtTheSizeAskedWithTheirTraceColours) {
  const cli_test::ProcessResult run =
      RunCli({"--png-time", Path("time.png"), "--png-freq", Path("freq.png"), "--width", "640",
              "--height", "360"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  const QImage time(QString::fromStdString(Path("time.png")), "PNG");
  const QImage freq(QString::fromStdString(Path("freq.png")), "PNG");
  ASSERT_FALSE(time.isNull());
  ASSERT_FALSE(freq.isNull());
  EXPECT_EQ(time.size(), QSize(640, 360));
  EXPECT_EQ(freq.size(), QSize(640, 360));
  EXPECT_TRUE(ContainsColour(time, kOrangeTrace)) << "input traces";
  EXPECT_TRUE(ContainsColour(time, kBlueTrace)) << "output traces";
  EXPECT_TRUE(ContainsColour(time, kNormalBackground));
  for (const RgbColor trace : {kOrangeTrace, kBlueTrace, kGreenTrace, kCrimsonTrace})
    EXPECT_TRUE(ContainsColour(freq, trace));
  EXPECT_FALSE(ContainsColour(freq, kPrintBackground)) << "the window starts on black";
}

TEST_F(TovanCliPng, DefaultSizeAndTogetherWithTheDocument) {
  const cli_test::ProcessResult run = RunCli({"--png-time", Path("t.png"), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(nlohmann::json::parse(run.out).contains("outputTraces"));
  EXPECT_EQ(QImage(QString::fromStdString(Path("t.png"))).size(), QSize(800, 500));
  EXPECT_FALSE(std::filesystem::exists(Path("f.png")));
}

TEST_F(TovanCliPng, AnUnwritableFileExitsWithOne) {
  const std::string path = Path("missing-folder/t.png");
  const cli_test::ProcessResult run = RunCli({"--png-freq", path});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "tovan-cli: cannot write '" + path + "'\n");
}

}  // namespace
}  // namespace tovan
