#pragma once

namespace tovan {

// The drawing area in plot units: one unit is equally long in both directions.
struct PlotExtent {
  float width = 250.0f;
  float height = 250.0f;
};

// The shorter side of a widthPx x heightPx area is 250 units and the longer side
// 250 x longer / shorter (computed in float). A side below one pixel counts as one
// pixel, so an area not yet laid out still gives a finite extent.
PlotExtent PlotExtentForPixels(int widthPx, int heightPx);

}  // namespace tovan
