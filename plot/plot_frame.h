#pragma once

#include <vector>

#include "plot/plot_colors.h"
#include "plot/plot_extent.h"

namespace tovan {

// A run of line segments drawn with one colour, width and stipple state.
struct PlotStroke {
  RgbColor color{};
  float lineWidth = 1.0f;
  bool stippled = false;        // stipple factor 1, pattern 0xAAAA
  bool onePrimitive = false;    // all segments in one GL_LINES primitive, else one each
  std::vector<float> vertices;  // x0, y0, x1, y1 for every segment, in plot units

  int SegmentCount() const { return static_cast<int>(vertices.size() / 4); }
  void AddSegment(float x0, float y0, float x1, float y1) {
    vertices.insert(vertices.end(), {x0, y0, x1, y1});
  }
};

// One complete picture of a view, built without any drawing context: the
// background, the projection's extent and the strokes in drawing order.
struct PlotFrame {
  RgbColor background{};
  PlotExtent extent{};
  std::vector<PlotStroke> strokes;
};

}  // namespace tovan
