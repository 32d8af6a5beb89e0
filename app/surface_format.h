#pragma once

namespace tovan {

// Makes the plots' surface the default for every context to come: a double
// buffered compatibility-profile OpenGL 2.1 context (immediate mode), RGB with 8
// bits per channel and no alpha, a 16-bit depth buffer, no stencil and no
// multisampling. Must run before the first widget exists.
void SetDefaultPlotSurfaceFormat();

}  // namespace tovan
