#include "plot/freq_domain_frame.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

SampleTable Table(std::initializer_list<double> x, std::initializer_list<double> y) {
  SampleTable table{Vector(static_cast<int>(x.size())), Vector(static_cast<int>(y.size()))};
  int k = 0;
  for (double v : x) table.abscissae[k++] = v;
  k = 0;
  for (double v : y) table.ordinates[k++] = v;
  return table;
}

constexpr float kH = 200.0f;

TEST(FrequencyMappingTest, ZeroToTenGigahertzAcrossTheWidth) {
  EXPECT_NEAR(FrequencyAbscissa(0.0, 300.0f), 0.0f, 1e-4);
  EXPECT_NEAR(FrequencyAbscissa(5.0, 300.0f), 150.0f, 1e-4);
  EXPECT_NEAR(FrequencyAbscissa(10.0, 300.0f), 300.0f, 1e-4);
  EXPECT_GT(FrequencyAbscissa(12.0, 300.0f), 300.0f);
}

TEST(VerticalMappingTest, ScalesPutTheirReferencePointsOnTheGrid) {
  EXPECT_NEAR(SpectrumOrdinate(0.0, kH), kH, 1e-4);
  EXPECT_NEAR(SpectrumOrdinate(-30.0, kH), kH / 2, 1e-4);  // the middle line
  EXPECT_NEAR(SpectrumOrdinate(-60.0, kH), 0.0f, 1e-4);
  EXPECT_LT(SpectrumOrdinate(-66.0, kH), 0.0f);  // below the visible area
  EXPECT_NEAR(PhaseOrdinate(0.0, kH), kH / 2, 1e-4);
  EXPECT_NEAR(PhaseOrdinate(180.0, kH), kH / 2 + 0.45f * kH, 1e-4);
  EXPECT_NEAR(PhaseOrdinate(-200.0, kH), 0.0f, 1e-4);
  EXPECT_NEAR(MagnitudeOrdinate(0.0, kH), kH / 2, 1e-4);
  EXPECT_NEAR(MagnitudeOrdinate(5.0, kH), kH, 1e-4);
  EXPECT_NEAR(MagnitudeOrdinate(-1.0, kH), 0.4f * kH, 1e-4);  // one division per dB
}

class FreqDomainFrameTest : public ::testing::Test {
 protected:
  SampleTable magnitude = Table({0, 5, 10}, {0, 0, 0});
  SampleTable phase = Table({0, 10}, {0, -180});
  SampleTable output = Table({0, 2, 4, 6}, {-10, -20, -30, -40});
  SampleTable input = Table({0, 10}, {0, -60});
  FreqDomainTraces traces{magnitude, phase, output, input};
  PlotExtent extent{300.0f, kH};
};

TEST_F(FreqDomainFrameTest, LayersInOrderWithTheirColoursAndWidths) {
  const PlotFrame frame = FreqDomainFrame(traces, {}, false, extent);
  ASSERT_GE(frame.strokes.size(), 4u);
  const size_t first = frame.strokes.size() - 4;
  const RgbColor colors[] = {kOrangeTrace, kBlueTrace, kGreenTrace, kCrimsonTrace};
  const float widths[] = {1.0f, 1.0f, 2.0f, 2.0f};
  const int segments[] = {1, 3, 1, 2};
  for (int k = 0; k < 4; ++k) {
    const PlotStroke& stroke = frame.strokes[first + k];
    EXPECT_TRUE(stroke.color == colors[k]) << k;
    EXPECT_EQ(stroke.lineWidth, widths[k]) << k;
    EXPECT_EQ(stroke.SegmentCount(), segments[k]) << k;
    EXPECT_FALSE(stroke.onePrimitive);
  }
  // Magnitude 0 dB runs along the middle line from the left to the right edge.
  const PlotStroke& crimson = frame.strokes[first + 3];
  EXPECT_NEAR(crimson.vertices[0], 0.0f, 1e-4);
  EXPECT_NEAR(crimson.vertices[1], kH / 2, 1e-4);
  EXPECT_NEAR(crimson.vertices[6], 300.0f, 1e-4);
  EXPECT_NEAR(crimson.vertices[7], kH / 2, 1e-4);
  // Input spectrum from (0, top) to (right, bottom).
  const PlotStroke& orange = frame.strokes[first];
  EXPECT_NEAR(orange.vertices[1], kH, 1e-4);
  EXPECT_NEAR(orange.vertices[2], 300.0f, 1e-4);
  EXPECT_NEAR(orange.vertices[3], 0.0f, 1e-4);
}

TEST_F(FreqDomainFrameTest, FlagsOffLeaveOnlyTheBackground) {
  FreqDomainLayers none;
  none.showGrid = none.showMagnitude = none.showPhase = false;
  none.showInputSpectrum = none.showOutputSpectrum = false;
  const PlotFrame frame = FreqDomainFrame(traces, none, true, extent);
  EXPECT_TRUE(frame.strokes.empty());
  EXPECT_TRUE(frame.background == kPrintBackground);
}

TEST_F(FreqDomainFrameTest, GridHasNineLinesEachWay) {
  FreqDomainLayers gridOnly;
  gridOnly.showMagnitude = gridOnly.showPhase = false;
  gridOnly.showInputSpectrum = gridOnly.showOutputSpectrum = false;
  const PlotFrame frame = FreqDomainFrame(traces, gridOnly, false, extent);
  int lines = 0;
  for (const PlotStroke& stroke : frame.strokes) lines += stroke.SegmentCount();
  EXPECT_EQ(lines, 18);
}

TEST(FreqDomainTraceTest, ShortTracesAndMissingOrdinatesDrawSafely) {
  const SampleTable onePoint = Table({1}, {0});
  const SampleTable empty;
  const SampleTable ragged = Table({0, 1, 2, 3}, {0, 0});
  const FreqDomainTraces traces{onePoint, empty, ragged, onePoint};
  const PlotFrame frame = FreqDomainFrame(traces, {}, false, {});
  int traceSegments = 0;
  for (const PlotStroke& stroke : frame.strokes)
    if (stroke.color != kGridColor) traceSegments += stroke.SegmentCount();
  EXPECT_EQ(traceSegments, 1);  // only the ragged trace's first two points
}

}  // namespace
}  // namespace tovan
