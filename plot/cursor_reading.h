#pragma once

#include "transfer/sample_table.h"

namespace tovan {

// What the pointer reads over a plot pane: pure arithmetic from a pixel position to
// the views' units (plot/view_scales.h), the inverse of how the panes map plot units
// to pixels.

// A pixel position as fractions of the pane: across 0 at the left edge and 1 at the
// right, up 0 at the bottom edge and 1 at the top (pixel y runs down from the top).
// Positions are in the same pixels as the size; sides below one pixel count as one.
struct PaneFraction {
  double across = 0.0;
  double up = 0.0;
};
PaneFraction FractionAtPixel(double xPx, double yPx, int widthPx, int heightPx);

// The time view: time from the slice's start (the left edge) in unit intervals and
// in ps, for `cellsShown` bit cells across at `bitrateGbps`, and the level in V.
struct TimeReading {
  double unitIntervals = 0.0;
  double picoseconds = 0.0;
  double volts = 0.0;
};
TimeReading TimeReadingAt(PaneFraction at, int cellsShown, double bitrateGbps);

// The frequency view: GHz across.
double FrequencyAt(PaneFraction at);

// A trace's value at abscissa x, on the straight line between the two points around
// it (a point's own value on it); NaN outside the abscissae or for fewer than two
// points. Abscissae are taken as increasing.
double TraceValueAt(const SampleTable& trace, double x);

}  // namespace tovan
