#include "plot/pixel_mapping.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct MappingCase {
  const char* name;
  PlotExtent extent;
  int w, h;
  float x, y;
  double px, py;  // worked by hand
};

class PixelMappingTest : public ::testing::TestWithParam<MappingCase> {};

TEST_P(PixelMappingTest, PlotUnitsLandOnPixels) {
  const MappingCase& c = GetParam();
  const PixelMapping map = PixelMappingFor(c.extent, c.w, c.h);
  EXPECT_DOUBLE_EQ(map.X(c.x), c.px);
  EXPECT_DOUBLE_EQ(map.Y(c.y), c.py);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, PixelMappingTest,
    ::testing::Values(
        // 400 x 300 pixels: 333.3 x 250 units, 1.2 pixels per unit both ways.
        MappingCase{"origin is bottom left", {400.0f * 250 / 300, 250.0f}, 400, 300, 0, 0, 0, 300},
        MappingCase{"top edge", {250.0f, 250.0f}, 500, 500, 125, 250, 250, 0},
        MappingCase{"middle of a square", {250.0f, 250.0f}, 100, 100, 125, 125, 50, 50},
        MappingCase{"tall pane", {250.0f, 500.0f}, 200, 400, 250, 100, 200, 320},
        MappingCase{"empty area counts as one pixel", {250.0f, 250.0f}, 0, -3, 250, 0, 1, 1},
        MappingCase{"degenerate extent counts as one unit", {0.0f, -1.0f}, 10, 20, 1, 1, 10, 0}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(PixelMappingTest, SameScaleBothWaysUnderThePlotUnitRule) {
  const PlotExtent extent = PlotExtentForPixels(640, 360);
  const PixelMapping map = PixelMappingFor(extent, 640, 360);
  EXPECT_NEAR(map.scaleX, map.scaleY, 1e-6);
  EXPECT_NEAR(map.scaleY, 360.0 / 250.0, 1e-12);
}

}  // namespace
}  // namespace tovan
