#pragma once

#include <array>
#include <vector>

#include "stateye/ber_map.h"

namespace tovan {

// A contour line: points (phase in UI, threshold in V) in order; closed when the last
// point equals the first.
using ContourPoint = std::array<double, 2>;
using ContourLine = std::vector<ContourPoint>;

// Every line where the map's log10 BER crosses `log10Level`, by marching squares: a
// crossing is placed on a grid edge by linear interpolation of log10 BER, a square
// with two opposite corners below the level is split by the mean of its four
// corners, and the pieces are joined into lines.
std::vector<ContourLine> MapContours(const BerMap& map, double log10Level);

// Of `lines`, the closed line around the point (phaseUi, volts) with the fewest
// points; empty when none surrounds it. The eye's own contour at a level.
ContourLine LineAround(const std::vector<ContourLine>& lines, double phaseUi, double volts);

}  // namespace tovan
