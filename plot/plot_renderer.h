#pragma once

#include "plot/plot_extent.h"
#include "plot/plot_frame.h"

class QOpenGLFunctions_2_1;

namespace tovan {

// Immediate-mode drawing of PlotFrames into the current context.

// Fixed state: clear colour black, clear depth 1, depth test on with GL_LEQUAL,
// smooth shading, nicest perspective correction.
void SetUpPlotState(QOpenGLFunctions_2_1& gl);

// Viewport over widthPx x heightPx, projection glOrtho(0, W, 0, H, 1, -1) for the
// plot extent of that size, model-view identity. Returns the extent.
PlotExtent SetUpPlotProjection(QOpenGLFunctions_2_1& gl, int widthPx, int heightPx);

// Clears colour and depth to the frame's background (alpha 0), draws the strokes in
// order (each with glColor3f, glLineWidth and its stipple state; segments as one
// GL_LINES primitive or one each), leaves stippling off and the line width at 1.
void DrawPlotFrame(QOpenGLFunctions_2_1& gl, const PlotFrame& frame);

}  // namespace tovan
