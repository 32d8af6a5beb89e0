#include "plot/grid_lines.h"

#include "plot/plot_colors.h"

namespace tovan {

std::vector<float> GridLinePositions(float extent, int divisions) {
  std::vector<float> positions;
  for (int i = 1; i < divisions; ++i) positions.push_back(i * extent / divisions);
  return positions;
}

namespace {

PlotStroke GridStroke(bool stippled, float lineWidth) {
  PlotStroke stroke;
  stroke.color = kGridColor;
  stroke.lineWidth = lineWidth;
  stroke.stippled = stippled;
  return stroke;
}

// Lines before the middle one, the middle one alone, then the rest: the order in
// which they are drawn, with the stipple switched off only for the middle line.
void AppendDirection(std::vector<PlotStroke>& strokes, float extent, int divisions, float span,
                     bool horizontal, float lineWidth) {
  const std::vector<float> positions = GridLinePositions(extent, divisions);
  const int middle = divisions / 2;
  PlotStroke before = GridStroke(true, lineWidth);
  PlotStroke centre = GridStroke(false, lineWidth);
  PlotStroke after = GridStroke(true, lineWidth);
  for (int i = 1; i <= static_cast<int>(positions.size()); ++i) {
    PlotStroke& target = i < middle ? before : (i == middle ? centre : after);
    const float p = positions[i - 1];
    if (horizontal)
      target.AddSegment(0.0f, p, span, p);
    else
      target.AddSegment(p, 0.0f, p, span);
  }
  for (PlotStroke* stroke : {&before, &centre, &after})
    if (stroke->SegmentCount() > 0) strokes.push_back(std::move(*stroke));
}

}  // namespace

void AppendGrid(std::vector<PlotStroke>& strokes, PlotExtent extent, int rows, int columns,
                float lineWidth) {
  AppendDirection(strokes, extent.height, rows, extent.width, true, lineWidth);
  AppendDirection(strokes, extent.width, columns, extent.height, false, lineWidth);
}

}  // namespace tovan
