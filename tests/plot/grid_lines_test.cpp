#include "plot/grid_lines.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

TEST(GridLinePositionsTest, EvenlySpacedInsideTheEdges) {
  const std::vector<float> rows = GridLinePositions(200.0f, 8);
  ASSERT_EQ(rows.size(), 7u);
  for (int i = 1; i <= 7; ++i) EXPECT_FLOAT_EQ(rows[i - 1], 25.0f * i);
  EXPECT_TRUE(GridLinePositions(100.0f, 1).empty());
  EXPECT_TRUE(GridLinePositions(100.0f, 0).empty());
}

// Every line of one direction, in drawing order, with its stipple state.
struct Line {
  float position;
  bool stippled;
};

std::vector<Line> Lines(const std::vector<PlotStroke>& strokes, bool horizontal) {
  std::vector<Line> lines;
  for (const PlotStroke& stroke : strokes)
    for (int k = 0; k < stroke.SegmentCount(); ++k) {
      const float* v = &stroke.vertices[4 * k];
      const bool isHorizontal = v[1] == v[3];
      if (isHorizontal == horizontal) lines.push_back({horizontal ? v[1] : v[0], stroke.stippled});
    }
  return lines;
}

TEST(AppendGridTest, TimeGridHasSevenRowsAndNineColumnsWithSolidMiddles) {
  std::vector<PlotStroke> strokes;
  const PlotExtent extent{350.0f, 250.0f};
  AppendGrid(strokes, extent, 8, 10, 1.0f);
  const std::vector<Line> rows = Lines(strokes, true);
  const std::vector<Line> columns = Lines(strokes, false);
  ASSERT_EQ(rows.size(), 7u);
  ASSERT_EQ(columns.size(), 9u);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_FLOAT_EQ(rows[i - 1].position, 250.0f * i / 8) << i;
    EXPECT_EQ(rows[i - 1].stippled, i != 4) << i;
  }
  for (int j = 1; j <= 9; ++j) {
    EXPECT_FLOAT_EQ(columns[j - 1].position, 35.0f * j) << j;
    EXPECT_EQ(columns[j - 1].stippled, j != 5) << j;
  }
}

TEST(AppendGridTest, LinesSpanTheWholeExtentInGrey) {
  std::vector<PlotStroke> strokes;
  AppendGrid(strokes, {300.0f, 200.0f}, 10, 10, 1.0f);
  for (const PlotStroke& stroke : strokes) {
    EXPECT_EQ(stroke.color.red, 0.5f);
    EXPECT_EQ(stroke.color.green, 0.5f);
    EXPECT_EQ(stroke.color.blue, 0.5f);
    EXPECT_EQ(stroke.lineWidth, 1.0f);
    EXPECT_FALSE(stroke.onePrimitive);
    for (int k = 0; k < stroke.SegmentCount(); ++k) {
      const float* v = &stroke.vertices[4 * k];
      if (v[1] == v[3]) {
        EXPECT_EQ(v[0], 0.0f);
        EXPECT_EQ(v[2], 300.0f);
      } else {
        EXPECT_EQ(v[1], 0.0f);
        EXPECT_EQ(v[3], 200.0f);
      }
    }
  }
  EXPECT_EQ(Lines(strokes, true).size(), 9u);
  EXPECT_EQ(Lines(strokes, false).size(), 9u);
}

}  // namespace
}  // namespace tovan
