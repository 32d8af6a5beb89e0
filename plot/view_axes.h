#pragma once

#include <string>
#include <vector>

namespace tovan {

// The numbers around a view: one tick per grid division (edges included), labelled
// in the traces' units (plot/view_scales.h). Pure values; plot/axes_painter.h draws
// them.

struct AxisTick {
  double fraction = 0.0;  // along the axis: 0 left or bottom edge, 1 right or top edge
  std::string label;
};

struct Axis {
  std::string title;  // the quantity and its unit, "Time (ps)"
  std::vector<AxisTick> ticks;
};

// Bottom and top run across, left and right up; `farRight` is a second scale right
// of `right`. An axis without ticks is not drawn.
struct ViewAxes {
  Axis bottom, top, left, right, farRight;
};

// Time view: ps along the bottom and UI along the top for `cellsShown` cells at
// `bitrateGbps`, V on the left.
ViewAxes TimeViewAxes(int cellsShown, double bitrateGbps);

// Frequency view: GHz along the bottom, the spectra's dB on the left, the phase's
// degrees on the right and the magnitude's dB beyond them.
ViewAxes FreqViewAxes();

// `value` as a tick label: at most `significant` significant digits, no trailing
// zeros, "0" for zero and for values that round to it ("-0" never shows).
std::string TickLabel(double value, int significant);

}  // namespace tovan
