#include "plot/plot_extent.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct ExtentCase {
  int w, h;
  float width, height;
};

class PlotExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(PlotExtentTest, ShorterSideIs250Units) {
  const ExtentCase& c = GetParam();
  const PlotExtent extent = PlotExtentForPixels(c.w, c.h);
  EXPECT_NEAR(extent.width, c.width, 1e-3);
  EXPECT_NEAR(extent.height, c.height, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlotExtentTest,
                         ::testing::Values(ExtentCase{325, 234, 250.0f * 325 / 234, 250.0f},
                                           ExtentCase{400, 400, 250.0f, 250.0f},
                                           ExtentCase{100, 300, 250.0f, 750.0f},
                                           ExtentCase{500, 250, 500.0f, 250.0f},
                                           ExtentCase{0, 0, 250.0f, 250.0f},
                                           ExtentCase{-5, 10, 250.0f, 2500.0f}));

TEST(PlotExtentTest, ExampleFromTheLayout) {
  const PlotExtent extent = PlotExtentForPixels(325, 234);
  EXPECT_NEAR(extent.width, 347.2, 0.05);
  EXPECT_EQ(extent.height, 250.0f);
}

}  // namespace
}  // namespace tovan
