#pragma once

#include <vector>

#include "plot/plot_frame.h"

namespace tovan {

// Positions i x extent / divisions (float) for i = 1 ... divisions - 1; empty for
// fewer than two divisions.
std::vector<float> GridLinePositions(float extent, int divisions);

// Appends the stippled grey grid of `rows` x `columns` divisions with the given
// line width: the horizontal lines bottom to top, then the vertical lines left to
// right, each spanning the whole extent. The middle line of each direction (index
// divisions / 2) is solid, so each direction gives stippled, solid, stippled strokes.
void AppendGrid(std::vector<PlotStroke>& strokes, PlotExtent extent, int rows, int columns,
                float lineWidth);

}  // namespace tovan
