#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "plot/plot_frame.h"

namespace tovan {

// Which layers the time-domain view draws, and their line widths.
struct TimeDomainLayers {
  bool showGrid = true;
  bool showInput = true;
  bool showOutput = true;
  float gridWidth = 1.0f;
  float inputWidth = 1.5f;
  float outputWidth = 1.5f;
};

// R abscissae across the width: 0, then each the previous plus width / (R - 1), so
// the last lands on the right edge up to rounding. Meant for R >= 2.
Vector SampleAbscissae(int rows, float width);

// A signal value v at height / 2 + (height / 2) x v: -1 bottom edge, +1 top edge.
float TimeOrdinate(double v, float height);

// The picture of the time-domain view: an 8 x 10 division grid, then the input
// traces (orange, all segments in one primitive), then the output traces (blue,
// one primitive per segment, on top). Each matrix holds one row per sample position
// and one column per overlaid slice; both are read with the output's row count R and
// its first row's length S, limited to what each matrix really holds. Fewer than two
// rows draw no trace.
PlotFrame TimeDomainFrame(const Matrix& input, const Matrix& output, const TimeDomainLayers& layers,
                          bool printColors, PlotExtent extent);

}  // namespace tovan
