#include "plot/time_domain_frame.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

// rows x cols matrix with element [r][s] = value(r, s).
template <class F>
Matrix MakeMatrix(int rows, int cols, F value) {
  Matrix m(rows, cols);
  for (int r = 0; r < rows; ++r)
    for (int s = 0; s < cols; ++s) m[r][s] = value(r, s);
  return m;
}

const PlotStroke* StrokeOfColor(const PlotFrame& frame, RgbColor color) {
  for (const PlotStroke& stroke : frame.strokes)
    if (stroke.color == color) return &stroke;
  return nullptr;
}

TEST(TimeOrdinateTest, MinusOneToPlusOneSpansTheHeight) {
  EXPECT_FLOAT_EQ(TimeOrdinate(-1.0, 250.0f), 0.0f);
  EXPECT_FLOAT_EQ(TimeOrdinate(0.0, 250.0f), 125.0f);
  EXPECT_FLOAT_EQ(TimeOrdinate(1.0, 250.0f), 250.0f);
  EXPECT_FLOAT_EQ(TimeOrdinate(0.6, 250.0f), 200.0f);
  EXPECT_FLOAT_EQ(TimeOrdinate(1.5, 250.0f), 312.5f);  // drawn, clipped by the viewport
}

TEST(SampleAbscissaeTest, FirstAtLeftLastAtRight) {
  const Vector x = SampleAbscissae(32, 310.0f);
  ASSERT_EQ(x.length(), 32);
  EXPECT_EQ(x[0], 0.0);
  EXPECT_NEAR(x[1], 10.0, 1e-12);
  EXPECT_NEAR(x[31], 310.0, 1e-9);
}

TEST(TimeDomainFrameTest, SegmentsJoinConsecutiveSamplesOfEachSlice) {
  // Three samples, two slices: slice s ramps from -1 by 0.5 per sample, offset s / 4.
  auto value = [](int r, int s) { return -1.0 + 0.5 * r + 0.25 * s; };
  const Matrix input = MakeMatrix(3, 2, value);
  const Matrix output = MakeMatrix(3, 2, [&](int r, int s) { return -value(r, s); });
  const PlotExtent extent{400.0f, 250.0f};
  const PlotFrame frame = TimeDomainFrame(input, output, TimeDomainLayers{}, false, extent);

  const PlotStroke* orange = StrokeOfColor(frame, kOrangeTrace);
  const PlotStroke* blue = StrokeOfColor(frame, kBlueTrace);
  ASSERT_NE(orange, nullptr);
  ASSERT_NE(blue, nullptr);
  EXPECT_TRUE(orange->onePrimitive);
  EXPECT_FALSE(blue->onePrimitive);
  EXPECT_EQ(orange->lineWidth, 1.5f);
  EXPECT_EQ(blue->lineWidth, 1.5f);
  ASSERT_EQ(orange->SegmentCount(), 4);
  // Column 0 first: (0, y(-1)) to (200, y(-0.5)), then (200, y(-0.5)) to (400, y(0)).
  const float expected[] = {0, 0,      200, 62.5f,  200, 62.5f,  400, 125,
                            0, 31.25f, 200, 93.75f, 200, 93.75f, 400, 156.25f};
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(orange->vertices[k], expected[k], 1e-4) << k;
  EXPECT_NEAR(blue->vertices[1], 250.0f, 1e-4);
  // The output layer is drawn after (on top of) the input layer.
  EXPECT_GT(blue - &frame.strokes[0], orange - &frame.strokes[0]);
}

TEST(TimeDomainFrameTest, LayersFollowTheFlags) {
  const Matrix m = MakeMatrix(4, 1, [](int r, int) { return 0.1 * r; });
  TimeDomainLayers none;
  none.showGrid = none.showInput = none.showOutput = false;
  EXPECT_TRUE(TimeDomainFrame(m, m, none, false, {}).strokes.empty());

  TimeDomainLayers onlyInput = none;
  onlyInput.showInput = true;
  const PlotFrame frame = TimeDomainFrame(m, m, onlyInput, false, {});
  ASSERT_EQ(frame.strokes.size(), 1u);
  EXPECT_TRUE(frame.strokes[0].color == kOrangeTrace);
}

TEST(TimeDomainFrameTest, PrintColorsChangeOnlyTheBackground) {
  const Matrix m = MakeMatrix(4, 2, [](int r, int s) { return 0.1 * r - 0.2 * s; });
  const PlotFrame normal = TimeDomainFrame(m, m, {}, false, {});
  const PlotFrame print = TimeDomainFrame(m, m, {}, true, {});
  EXPECT_TRUE(normal.background == kNormalBackground);
  EXPECT_TRUE(print.background == kPrintBackground);
  ASSERT_EQ(normal.strokes.size(), print.strokes.size());
  for (size_t k = 0; k < normal.strokes.size(); ++k) {
    EXPECT_TRUE(normal.strokes[k].color == print.strokes[k].color);
    EXPECT_EQ(normal.strokes[k].vertices, print.strokes[k].vertices);
  }
}

TEST(TimeDomainFrameTest, FewerThanTwoRowsDrawNoTrace) {
  const Matrix one = MakeMatrix(1, 3, [](int, int) { return 0.0; });
  const PlotFrame frame = TimeDomainFrame(one, one, {}, false, {});
  EXPECT_EQ(StrokeOfColor(frame, kOrangeTrace), nullptr);
  EXPECT_EQ(StrokeOfColor(frame, kBlueTrace), nullptr);
  EXPECT_FALSE(frame.strokes.empty());  // the grid is still there
}

TEST(TimeDomainFrameTest, SmallerInputIsReadOnlyWhereItHasData) {
  const Matrix output = MakeMatrix(5, 3, [](int, int) { return 0.0; });
  const Matrix input = MakeMatrix(3, 2, [](int, int) { return 0.5; });
  const PlotFrame frame = TimeDomainFrame(input, output, {}, false, {});
  EXPECT_EQ(StrokeOfColor(frame, kOrangeTrace)->SegmentCount(), 2 * 2);
  EXPECT_EQ(StrokeOfColor(frame, kBlueTrace)->SegmentCount(), 3 * 4);
}

}  // namespace
}  // namespace tovan
