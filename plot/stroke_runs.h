#pragma once

#include <vector>

#include "plot/plot_frame.h"

namespace tovan {

// The segments of a stroke joined into runs, in order: a segment whose start equals
// the previous segment's end exactly continues the current run, any other starts a
// new one. Each run is x0, y0, x1, y1, ... with at least two points, so a trace
// column becomes one polyline and every grid line its own. A trailing partial
// segment (fewer than four floats) is ignored.
std::vector<std::vector<float>> ConnectedRuns(const PlotStroke& stroke);

}  // namespace tovan
