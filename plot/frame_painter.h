#pragma once

#include <QSize>

#include "plot/plot_frame.h"

class QPainter;

namespace tovan {

// Paints a PlotFrame with QPainter over the area (0, 0) to size, as the GL panes draw
// it: the background filled, then each stroke in order as polylines of its connected
// runs, in its colour and width (in pixels), flat ends, no antialiasing; stippled
// strokes dash 1 pixel on, 1 pixel off. Plot units map to pixels by PixelMapping.
// The painter's state is saved and restored around the frame.
void PaintPlotFrame(QPainter& painter, const PlotFrame& frame, QSize size);

}  // namespace tovan
