#pragma once

#include "plot/plot_extent.h"

namespace tovan {

// Where plot units land in a picture of widthPx x heightPx pixels whose origin is the
// top-left corner (QPainter's convention): x from the left edge, y flipped so that
// plot y 0 is the bottom edge. Computed in double: x x widthPx / extent.width and
// heightPx - y x heightPx / extent.height.
struct PixelMapping {
  double scaleX = 1.0;
  double scaleY = 1.0;
  double heightPx = 0.0;

  double X(float x) const { return x * scaleX; }
  double Y(float y) const { return heightPx - y * scaleY; }
};

// The mapping for an extent shown over widthPx x heightPx pixels; sides below one
// pixel, or an extent side that is not positive, count as one.
PixelMapping PixelMappingFor(PlotExtent extent, int widthPx, int heightPx);

}  // namespace tovan
