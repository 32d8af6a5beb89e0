#include "plot/engine_view_frames.h"

#include "engine/signal_engine.h"

namespace tovan {

PlotFrame TimeViewFrame(SignalEngine& engine, const TimeViewStyle& style, PlotExtent extent) {
  // The output traces are asked for first: the engine call order is part of the design.
  const Matrix& output = engine.OutputTraces();
  const Matrix& input = engine.InputTraces();
  return TimeDomainFrame(input, output, style.layers, style.printColors, extent);
}

PlotFrame FreqViewFrame(SignalEngine& engine, const FreqViewStyle& style, PlotExtent extent) {
  // Braced initialisation runs left to right: the engine is asked for magnitude,
  // phase, output spectrum, input spectrum, in that order.
  const FreqDomainTraces traces{engine.ScopeMagnitudeTrace(), engine.ScopePhaseTrace(),
                                engine.OutputSpectrumTrace(), engine.InputSpectrumTrace()};
  return FreqDomainFrame(traces, style.layers, style.printColors, extent);
}

}  // namespace tovan
