#include "plot/cursor_reading.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plot/grid_lines.h"
#include "plot/pixel_mapping.h"

namespace tovan {
namespace {

// A pointer on a grid line reads that line's value: the reading inverts the mapping
// that put the line there.
TEST(CursorReadingTest, TimeGridLinesReadTheirDivisions) {
  const int w = 650, h = 400;
  const PlotExtent extent = PlotExtentForPixels(w, h);
  const PixelMapping map = PixelMappingFor(extent, w, h);
  const std::vector<float> columns = GridLinePositions(extent.width, 10);
  const std::vector<float> rows = GridLinePositions(extent.height, 8);
  for (int j = 1; j <= 9; ++j) {
    const PaneFraction at = FractionAtPixel(map.X(columns[j - 1]), 0.0, w, h);
    const TimeReading one = TimeReadingAt(at, 1, 3.125);
    EXPECT_NEAR(one.unitIntervals, 0.1 * j, 1e-6);
    EXPECT_NEAR(one.picoseconds, 32.0 * j, 1e-4);  // 320 ps per UI at 3.125 Gbps
    EXPECT_NEAR(TimeReadingAt(at, 3, 5.0).picoseconds, 60.0 * j, 1e-4);
  }
  for (int i = 1; i <= 7; ++i) {
    const PaneFraction at = FractionAtPixel(0.0, map.Y(rows[i - 1]), w, h);
    EXPECT_NEAR(TimeReadingAt(at, 1, 3.125).volts, -1.0 + 0.25 * i, 1e-6);
  }
}

TEST(CursorReadingTest, EdgesAndFrequency) {
  EXPECT_EQ(FractionAtPixel(0, 400, 650, 400).across, 0.0);
  EXPECT_EQ(FractionAtPixel(0, 400, 650, 400).up, 0.0);
  EXPECT_EQ(FractionAtPixel(650, 0, 650, 400).up, 1.0);
  EXPECT_EQ(TimeReadingAt({0.5, 1.0}, 1, 5.0).volts, 1.0);
  EXPECT_EQ(FrequencyAt({0.5, 0.0}), 5.0);
  EXPECT_EQ(FrequencyAt({1.0, 0.0}), 10.0);
  // Degenerate sizes count as one pixel rather than dividing by zero.
  EXPECT_EQ(FractionAtPixel(1, 0, 0, 0).across, 1.0);
}

TEST(CursorReadingTest, TraceValuesAreInterpolatedBetweenTheirPoints) {
  SampleTable trace;
  trace.abscissae = Vector::Ramp(3, 0.0, 1.0);  // 0, 1, 2 GHz
  trace.ordinates = Vector(3);
  trace.ordinates[0] = 0.0;
  trace.ordinates[1] = -10.0;
  trace.ordinates[2] = -40.0;
  EXPECT_EQ(TraceValueAt(trace, 0.0), 0.0);
  EXPECT_EQ(TraceValueAt(trace, 0.25), -2.5);
  EXPECT_EQ(TraceValueAt(trace, 1.0), -10.0);
  EXPECT_EQ(TraceValueAt(trace, 1.5), -25.0);
  EXPECT_EQ(TraceValueAt(trace, 2.0), -40.0);
  EXPECT_TRUE(std::isnan(TraceValueAt(trace, 2.5)));
  EXPECT_TRUE(std::isnan(TraceValueAt(trace, -0.1)));
  SampleTable single;
  single.abscissae = Vector(1);
  single.ordinates = Vector(1);
  EXPECT_TRUE(std::isnan(TraceValueAt(single, 0.0)));
}

}  // namespace
}  // namespace tovan
