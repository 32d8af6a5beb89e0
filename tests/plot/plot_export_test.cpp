#include "plot/plot_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <vector>

#include "engine/signal_engine.h"

// These run without any QGuiApplication: the export must work headless.

namespace tovan {
namespace {

// 8-bit channels of the plot colours, from their definitions as fractions.
QRgb Rgb(double r, double g, double b) {
  return qRgb(std::lround(r * 255), std::lround(g * 255), std::lround(b * 255));
}
const QRgb kOrange = Rgb(1.0, 0.543, 0.0);
const QRgb kBlue = Rgb(0.28125, 0.516, 0.797);
const QRgb kGreen = Rgb(0.196, 0.804, 0.196);
const QRgb kCrimson = Rgb(0.863, 0.078, 0.235);
const QRgb kGrey = Rgb(0.5, 0.5, 0.5);

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
         std::abs(qBlue(a) - qBlue(b)) <= 1;
}

int Count(const QImage& image, QRgb color, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += Near(image.pixel(x, y), color);
  return n;
}

int GreysInRow(const QImage& image, int y) { return Count(image, kGrey, {0, y, image.width(), 1}); }
int GreysInColumn(const QImage& image, int x) {
  return Count(image, kGrey, {x, 0, 1, image.height()});
}

// The most grey pixels in the rows (or columns) around a pixel coordinate.
int GreysNear(const QImage& image, double at, bool row) {
  int best = 0;
  for (int k = static_cast<int>(std::floor(at)) - 1; k <= static_cast<int>(std::floor(at)) + 1; ++k)
    best = std::max(best, row ? GreysInRow(image, k) : GreysInColumn(image, k));
  return best;
}

TEST(RenderTimeViewTest, DefaultPictureHasTracesAndGridWhereTheRulesPutThem) {
  SignalEngine engine;
  const int w = 400, h = 300;
  const QImage image = RenderTimeView(engine, QSize(w, h));
  ASSERT_EQ(image.size(), QSize(w, h));
  EXPECT_GT(Count(image, kOrange), 100);
  EXPECT_GT(Count(image, kBlue), 100);
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
  // Rows at i / 8 of the height from the bottom, columns at j / 10 of the width; the
  // stippled ones light every other pixel.
  for (int i = 1; i <= 7; ++i) {
    EXPECT_GT(GreysNear(image, h - i * h / 8.0, true), w / 4) << "row " << i;
    EXPECT_LE(GreysInRow(image, static_cast<int>(h - (i - 0.5) * h / 8.0)), 9 * 2) << i;
  }
  for (int j = 1; j <= 9; ++j)
    EXPECT_GT(GreysNear(image, j * w / 10.0, false), h / 4) << "column " << j;
}

TEST(RenderTimeViewTest, LayersAndPrintColours) {
  SignalEngine engine;
  TimeViewStyle style;
  style.printColors = true;
  style.layers.showInput = false;
  const QImage image = RenderTimeView(engine, QSize(320, 240), style);
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(Count(image, qRgb(0, 0, 0)), 0);
  EXPECT_EQ(Count(image, kOrange), 0);
  EXPECT_GT(Count(image, kBlue), 100);
  style.layers = {false, false, false};
  const QImage blank = RenderTimeView(engine, QSize(320, 240), style);
  EXPECT_EQ(Count(blank, qRgb(255, 255, 255)), 320 * 240);
}

TEST(RenderFreqViewTest, AllFourTracesAndALargerSize) {
  SignalEngine engine;
  const QImage image = RenderFreqView(engine, QSize(1300, 500));
  ASSERT_EQ(image.size(), QSize(1300, 500));
  for (QRgb color : {kOrange, kBlue, kGreen, kCrimson}) EXPECT_GT(Count(image, color), 100);
  // A 10 x 10 grid: the middle column is solid.
  EXPECT_GT(GreysNear(image, 650.0, false), 500 * 9 / 10 - 10);
}

TEST(RenderViewTest, EmptySizesGiveNothing) {
  SignalEngine engine;
  EXPECT_TRUE(RenderTimeView(engine, QSize(0, 10)).isNull());
  EXPECT_TRUE(RenderFreqView(engine, QSize(10, -1)).isNull());
  EXPECT_TRUE(TimeViewSvg(engine, QSize(0, 0)).isEmpty());
  EXPECT_TRUE(RenderTimeView(engine, QSize(16385, 10)).isNull());
  EXPECT_TRUE(FreqViewSvg(engine, QSize(10, 100000)).isEmpty());
  EXPECT_EQ(RenderFreqView(engine, QSize(16384, 1)).size(), QSize(16384, 1));
  QTemporaryDir dir;
  EXPECT_FALSE(ExportTimeViewPng(engine, dir.filePath("a.png"), 0, 5));
  EXPECT_FALSE(QFile::exists(dir.filePath("a.png")));
}

TEST(ExportPngTest, WritesAFileOfTheAskedSize) {
  SignalEngine engine;
  QTemporaryDir dir;
  ASSERT_TRUE(ExportTimeViewPng(engine, dir.filePath("time.png"), 812, 540));
  ASSERT_TRUE(ExportFreqViewPng(engine, dir.filePath("freq.png"), 812, 380));
  const QImage time(dir.filePath("time.png"));
  const QImage freq(dir.filePath("freq.png"));
  EXPECT_EQ(time.size(), QSize(812, 540));
  EXPECT_EQ(freq.size(), QSize(812, 380));
  EXPECT_GT(Count(time, kOrange), 100);
  EXPECT_GT(Count(freq, kCrimson), 100);
  EXPECT_FALSE(ExportTimeViewPng(engine, dir.filePath("missing/folder/time.png"), 10, 10));
}

// A polyline of an SVG document: its stroke colour (inherited from enclosing
// groups) and its points.
struct SvgLine {
  QString stroke;
  std::vector<QPointF> points;
};

std::vector<SvgLine> Polylines(const QByteArray& document) {
  std::vector<SvgLine> lines;
  std::vector<QString> strokes{QString()};
  QXmlStreamReader xml(document);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QString stroke = xml.attributes().value("stroke").toString();
      strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke);
      if (xml.name() == QLatin1String("polyline")) {
        SvgLine line{strokes.back(), {}};
        for (const QString& pair :
             xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts)) {
          const QStringList xy = pair.split(',');
          if (xy.size() == 2) line.points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
        }
        lines.push_back(line);
      }
    } else if (xml.isEndElement()) {
      strokes.pop_back();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return lines;
}

QString Hex(QRgb color) { return QColor(color).name(); }

std::vector<SvgLine> WithStroke(const std::vector<SvgLine>& lines, QRgb color) {
  std::vector<SvgLine> chosen;
  for (const SvgLine& line : lines)
    if (line.stroke == Hex(color)) chosen.push_back(line);
  return chosen;
}

TEST(TimeViewSvgTest, OnePolylinePerTraceColumnAndPerGridLine) {
  SignalEngine engine;
  const int w = 500, h = 300;
  const QByteArray document = TimeViewSvg(engine, QSize(w, h));
  const std::vector<SvgLine> lines = Polylines(document);
  const int columns = engine.OutputTraces().cols();
  const int rows = engine.OutputTraces().rows();
  const std::vector<SvgLine> input = WithStroke(lines, kOrange);
  const std::vector<SvgLine> output = WithStroke(lines, kBlue);
  ASSERT_EQ(static_cast<int>(input.size()), columns);
  ASSERT_EQ(static_cast<int>(output.size()), columns);
  for (const SvgLine& line : output) {
    ASSERT_EQ(static_cast<int>(line.points.size()), rows);
    EXPECT_NEAR(line.points.front().x(), 0.0, 0.01);
    EXPECT_NEAR(line.points.back().x(), w, 0.01);
  }
  // Column 0 of the output traces, sample by sample: +1 at the top, -1 at the bottom.
  const Matrix& traces = engine.OutputTraces();
  for (int r = 0; r < rows; ++r)
    EXPECT_NEAR(output[0].points[r].y(), h / 2.0 - h / 2.0 * traces[r][0], 0.01) << r;

  const std::vector<SvgLine> grid = WithStroke(lines, kGrey);
  ASSERT_EQ(grid.size(), 7u + 9u);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_NEAR(grid[i - 1].points[0].y(), h - i * h / 8.0, 0.01) << i;
    EXPECT_NEAR(grid[i - 1].points[1].x(), w, 0.01) << i;
  }
  for (int j = 1; j <= 9; ++j) EXPECT_NEAR(grid[6 + j].points[0].x(), j * w / 10.0, 0.01) << j;
  // The grid comes first, then the input, then the output on top.
  EXPECT_LT(document.indexOf(Hex(kGrey).toLatin1()), document.indexOf(Hex(kOrange).toLatin1()));
  EXPECT_LT(document.indexOf(Hex(kOrange).toLatin1()), document.indexOf(Hex(kBlue).toLatin1()));
  EXPECT_TRUE(document.contains("stroke-dasharray")) << "the stippled grid lines";
}

TEST(FreqViewSvgTest, EachTraceIsOnePolylineOverTheFrequencyAxis) {
  SignalEngine engine;
  const int w = 600, h = 250;
  const std::vector<SvgLine> lines = Polylines(FreqViewSvg(engine, QSize(w, h)));
  const SampleTable& magnitude = engine.ScopeMagnitudeTrace();
  const SampleTable& phase = engine.ScopePhaseTrace();
  const std::vector<SvgLine> crimson = WithStroke(lines, kCrimson);
  const std::vector<SvgLine> green = WithStroke(lines, kGreen);
  ASSERT_EQ(crimson.size(), 1u);
  ASSERT_EQ(green.size(), 1u);
  ASSERT_EQ(static_cast<int>(crimson[0].points.size()), magnitude.abscissae.length());
  ASSERT_EQ(static_cast<int>(green[0].points.size()), phase.abscissae.length());
  // 0 to 10 GHz across the width; +-5 dB and +-200 degrees over the height.
  for (int i : {0, magnitude.abscissae.length() / 2, magnitude.abscissae.length() - 1}) {
    EXPECT_NEAR(crimson[0].points[i].x(), magnitude.abscissae[i] * w / 10.0, 0.01);
    EXPECT_NEAR(crimson[0].points[i].y(), h / 2.0 - magnitude.ordinates[i] * h / 10.0, 0.01);
    EXPECT_NEAR(green[0].points[i].y(), h / 2.0 - phase.ordinates[i] * h / 400.0, 0.01);
  }
  EXPECT_EQ(WithStroke(lines, kOrange).size(), 1u);
  EXPECT_EQ(WithStroke(lines, kBlue).size(), 1u);
  EXPECT_EQ(WithStroke(lines, kGrey).size(), 9u + 9u);
}

TEST(ExportSvgTest, WritesTheDocument) {
  SignalEngine engine;
  QTemporaryDir dir;
  const QString path = dir.filePath("freq.svg");
  ASSERT_TRUE(ExportFreqViewSvg(engine, path, 640, 300));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.contains("<svg"));
  EXPECT_TRUE(content.contains("viewBox=\"0 0 640 300\""));
  EXPECT_EQ(content, FreqViewSvg(engine, QSize(640, 300)));
  EXPECT_FALSE(ExportTimeViewSvg(engine, dir.filePath("no/such/dir.svg"), 10, 10));
}

}  // namespace
}  // namespace tovan
