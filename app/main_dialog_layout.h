#pragma once

#include "app/dialog_template.h"

namespace tovan {

// How the main window's controls follow a window larger than its template. The two
// plots take all the extra room: both widen by the extra width, and they share the
// extra height in proportion to their template heights (the time plot's share
// rounded to the nearest pixel, the frequency plot the rest). Every other control
// keeps its size and moves with what lies beside it, in the template's regions:
// - the right column (starting at or right of the time plot's right edge) moves
//   right by the extra width;
// - the bottom row (starting at or below the frequency plot's bottom edge) moves
//   down by the extra height;
// - in the right column, controls starting at or below the time plot's bottom edge
//   (those beside the frequency plot) move down by the time plot's share;
// - everything else (the left column, what lies above) stays.
struct WindowGrowth {
  int width = 0;  // pixels beyond the template's client size, each at least 0
  int height = 0;
};

// A control's change of place and size, in pixels.
struct ControlShift {
  int dx = 0;
  int dy = 0;
  int dwidth = 0;
  int dheight = 0;
};

// The shift of control `id` with template rectangle `rect` (dialog units, classifying
// it into a region) in a dialog whose plots are `timePlot` and `freqPlot`; the share
// is computed from those two rectangles' heights.
ControlShift MainControlShift(int id, DialogRect rect, WindowGrowth growth, DialogRect timePlot,
                              DialogRect freqPlot);

// The same against the main template's plots (controls 1021 and 1027).
ControlShift MainControlShift(int id, DialogRect rect, WindowGrowth growth);

}  // namespace tovan
