#include "plot/time_domain_frame.h"

#include <algorithm>

#include "plot/grid_lines.h"

namespace tovan {

Vector SampleAbscissae(int rows, float width) {
  return Vector::Ramp(rows, 0.0, width / (rows - 1));
}

float TimeOrdinate(double v, float height) {
  return static_cast<float>(height / 2 + (height / 2) * v);
}

namespace {

// Column by column, each column's segments from the top of the slice down.
PlotStroke TraceStroke(const Matrix& traces, int rows, int columns, const Vector& x, float height,
                       RgbColor color, float lineWidth, bool onePrimitive) {
  PlotStroke stroke;
  stroke.color = color;
  stroke.lineWidth = lineWidth;
  stroke.onePrimitive = onePrimitive;
  const int usableRows = std::min(rows, traces.rows());
  stroke.vertices.reserve(4 * static_cast<size_t>(std::max(usableRows - 1, 0)) *
                          static_cast<size_t>(std::max(columns, 0)));
  for (int s = 0; s < columns; ++s) {
    for (int r = 1; r < usableRows; ++r) {
      if (s >= traces[r - 1].size() || s >= traces[r].size()) continue;
      stroke.AddSegment(static_cast<float>(x[r - 1]), TimeOrdinate(traces[r - 1][s], height),
                        static_cast<float>(x[r]), TimeOrdinate(traces[r][s], height));
    }
  }
  return stroke;
}

}  // namespace

PlotFrame TimeDomainFrame(const Matrix& input, const Matrix& output, const TimeDomainLayers& layers,
                          bool printColors, PlotExtent extent) {
  PlotFrame frame;
  frame.background = BackgroundColor(printColors);
  frame.extent = extent;
  if (layers.showGrid) AppendGrid(frame.strokes, extent, 8, 10, layers.gridWidth);
  const int rows = output.rows();
  const int columns = output.cols();
  if (rows < 2) return frame;
  const Vector x = SampleAbscissae(rows, extent.width);
  if (layers.showInput)
    frame.strokes.push_back(
        TraceStroke(input, rows, columns, x, extent.height, kOrangeTrace, layers.inputWidth, true));
  if (layers.showOutput)
    frame.strokes.push_back(TraceStroke(output, rows, columns, x, extent.height, kBlueTrace,
                                        layers.outputWidth, false));
  return frame;
}

}  // namespace tovan
