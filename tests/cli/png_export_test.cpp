// The pictures of the built tovan-cli, read back with QImage. Built only where the
// plot library is.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
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
              "--height", "360", "--bare"});
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
  const cli_test::ProcessResult run = RunCli({"--png-time", Path("t.png"), "--json", "--bare"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(nlohmann::json::parse(run.out).contains("outputTraces"));
  EXPECT_EQ(QImage(QString::fromStdString(Path("t.png"))).size(), QSize(800, 500));
  EXPECT_FALSE(std::filesystem::exists(Path("f.png")));
}

// Where `part` lies in `whole` pixel for pixel, or (-1, -1).
QPoint PlaceOf(const QImage& part, const QImage& whole) {
  for (int y = 0; y + part.height() <= whole.height(); ++y)
    for (int x = 0; x + part.width() <= whole.width(); ++x) {
      bool same = true;
      for (int row = 0; same && row < part.height(); ++row)
        for (int column = 0; same && column < part.width(); ++column)
          same = whole.pixel(x + column, y + row) == part.pixel(column, row);
      if (same) return {x, y};
    }
  return {-1, -1};
}

// Without --bare the picture is a report figure: the bare picture unchanged, with
// dark axis labels, legend and title on white around it; SVG for a .svg file.
TEST_F(TovanCliPng, FiguresCarryTheBarePictureWithAxesAround) {
  const cli_test::ProcessResult bare = RunCli({"--png-time", Path("bare.png"), "--width", "320",
                                               "--height", "200", "--bare", "--bitrate", "5"});
  const cli_test::ProcessResult figure =
      RunCli({"--png-time", Path("figure.png"), "--png-freq", Path("figure.svg"), "--width", "320",
              "--height", "200", "--bitrate", "5"});
  ASSERT_EQ(bare.exitCode, 0) << bare.err;
  ASSERT_EQ(figure.exitCode, 0) << figure.err;
  EXPECT_EQ(figure.out + figure.err, "");
  const QImage plot(QString::fromStdString(Path("bare.png")), "PNG");
  const QImage whole(QString::fromStdString(Path("figure.png")), "PNG");
  ASSERT_GT(whole.width(), plot.width());
  ASSERT_GT(whole.height(), plot.height());
  const QPoint at = PlaceOf(plot.convertToFormat(QImage::Format_RGB32),
                            whole.convertToFormat(QImage::Format_RGB32));
  ASSERT_NE(at, QPoint(-1, -1)) << "the bare picture is not in the figure";
  // Labels left of the plot and under it, white around them.
  int dark = 0;
  for (int y = at.y(); y < at.y() + plot.height(); ++y)
    for (int x = 0; x < at.x(); ++x) dark += qGray(whole.pixel(x, y)) < 100;
  EXPECT_GT(dark, 20);
  EXPECT_EQ(whole.pixel(0, 0), qRgb(255, 255, 255));
  // The frequency figure as SVG: text for its axes, its legend and its title line.
  QFile svg(QString::fromStdString(Path("figure.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QString document = QString::fromUtf8(svg.readAll());
  for (const char* text : {"Frequency (GHz)", "Phase (deg)", "Scope magnitude (dB)", "5.000 Gbps",
                           "Mardel Tidewell 6 GHz"})
    EXPECT_TRUE(document.contains(text)) << text;
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
