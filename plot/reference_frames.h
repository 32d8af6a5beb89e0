#pragma once

#include "numeric/row_matrix.h"
#include "plot/plot_extent.h"
#include "plot/plot_frame.h"
#include "plot/view_style.h"
#include "transfer/sample_table.h"

namespace tovan {

class SignalEngine;

// The traces of both views frozen at one moment, copied out of the engine.
struct ReferenceTraces {
  Matrix input;
  Matrix output;
  SampleTable magnitude;
  SampleTable phase;
  SampleTable outputSpectrum;
  SampleTable inputSpectrum;
};

// Brings the engine up to date (in the views' accessor order) and copies its traces.
ReferenceTraces CaptureReferenceTraces(SignalEngine& engine);

// How far a reference trace's colour is taken toward the background.
inline constexpr float kReferenceDimming = 0.6f;
// color mixed with background: (1 - kReferenceDimming) of the one, the rest of the other.
RgbColor Dimmed(RgbColor color, RgbColor background);

// The view's frame with the reference drawn between the grid and the live traces: the
// grid, then the reference's traces in dimmed colours (the style's layers and widths),
// then the live traces exactly as TimeViewFrame and FreqViewFrame draw them.
PlotFrame TimeViewFrameWithReference(SignalEngine& engine, const ReferenceTraces& reference,
                                     const TimeViewStyle& style, PlotExtent extent);
PlotFrame FreqViewFrameWithReference(SignalEngine& engine, const ReferenceTraces& reference,
                                     const FreqViewStyle& style, PlotExtent extent);

}  // namespace tovan
