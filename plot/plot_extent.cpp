#include "plot/plot_extent.h"

#include <algorithm>

namespace tovan {

PlotExtent PlotExtentForPixels(int widthPx, int heightPx) {
  const int w = std::max(widthPx, 1);
  const int h = std::max(heightPx, 1);
  if (w > h) return {250.0f * w / h, 250.0f};
  return {250.0f, 250.0f * h / w};
}

}  // namespace tovan
