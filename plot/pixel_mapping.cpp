#include "plot/pixel_mapping.h"

#include <algorithm>

namespace tovan {

PixelMapping PixelMappingFor(PlotExtent extent, int widthPx, int heightPx) {
  const double w = std::max(widthPx, 1);
  const double h = std::max(heightPx, 1);
  const double units = extent.width > 0.0f ? extent.width : 1.0;
  const double unitsHigh = extent.height > 0.0f ? extent.height : 1.0;
  return {w / units, h / unitsHigh, h};
}

}  // namespace tovan
