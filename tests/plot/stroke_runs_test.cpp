#include "plot/stroke_runs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tovan {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

PlotStroke StrokeOf(std::initializer_list<float> vertices) {
  PlotStroke stroke;
  stroke.vertices = vertices;
  return stroke;
}

TEST(ConnectedRunsTest, ChainedSegmentsBecomeOnePolyline) {
  const auto runs = ConnectedRuns(StrokeOf({0, 0, 1, 2, 1, 2, 3, 1, 3, 1, 4, 4}));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_THAT(runs[0], ElementsAre(0, 0, 1, 2, 3, 1, 4, 4));
}

TEST(ConnectedRunsTest, AGapStartsANewRun) {
  // Two trace columns: the second starts back at the left edge.
  const auto runs = ConnectedRuns(StrokeOf({0, 5, 1, 6, 1, 6, 2, 7, 0, 1, 1, 2}));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_THAT(runs[0], ElementsAre(0, 5, 1, 6, 2, 7));
  EXPECT_THAT(runs[1], ElementsAre(0, 1, 1, 2));
}

TEST(ConnectedRunsTest, GridLinesStaySeparate) {
  const auto runs = ConnectedRuns(StrokeOf({0, 10, 50, 10, 0, 20, 50, 20}));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_THAT(runs[1], ElementsAre(0, 20, 50, 20));
}

TEST(ConnectedRunsTest, OnlyTheEndPointMustMatchNotTheStart) {
  // The second segment starts at the first one's start, not its end.
  const auto runs = ConnectedRuns(StrokeOf({0, 0, 1, 1, 0, 0, 2, 2}));
  EXPECT_EQ(runs.size(), 2u);
}

TEST(ConnectedRunsTest, EmptyAndPartialInput) {
  EXPECT_THAT(ConnectedRuns(StrokeOf({})), IsEmpty());
  EXPECT_THAT(ConnectedRuns(StrokeOf({1, 2, 3})), IsEmpty());
  const auto runs = ConnectedRuns(StrokeOf({1, 2, 3, 4, 3, 4}));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_THAT(runs[0], ElementsAre(1, 2, 3, 4));
}

}  // namespace
}  // namespace tovan
