#pragma once

#include "plot/plot_extent.h"
#include "plot/plot_frame.h"
#include "plot/view_style.h"

namespace tovan {

class SignalEngine;

// The frames of the two views from the engine's current traces, for the given
// extent. The engine is asked in a fixed order (time view: output traces, then input
// traces; frequency view: magnitude, phase, output spectrum, input spectrum), which
// is part of the design: each accessor brings the engine up to date.
PlotFrame TimeViewFrame(SignalEngine& engine, const TimeViewStyle& style, PlotExtent extent);
PlotFrame FreqViewFrame(SignalEngine& engine, const FreqViewStyle& style, PlotExtent extent);

}  // namespace tovan
