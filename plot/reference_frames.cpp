#include "plot/reference_frames.h"

#include "engine/signal_engine.h"
#include "plot/engine_view_frames.h"

namespace tovan {

namespace {

// grid + dimmed reference traces + live traces, on the live frame's background.
PlotFrame Layered(PlotFrame grid, const PlotFrame& reference, const PlotFrame& live) {
  for (PlotStroke stroke : reference.strokes) {
    stroke.color = Dimmed(stroke.color, grid.background);
    grid.strokes.push_back(std::move(stroke));
  }
  grid.strokes.insert(grid.strokes.end(), live.strokes.begin(), live.strokes.end());
  return grid;
}

}  // namespace

ReferenceTraces CaptureReferenceTraces(SignalEngine& engine) {
  ReferenceTraces traces;
  traces.output = engine.OutputTraces();
  traces.input = engine.InputTraces();
  traces.magnitude = engine.ScopeMagnitudeTrace();
  traces.phase = engine.ScopePhaseTrace();
  traces.outputSpectrum = engine.OutputSpectrumTrace();
  traces.inputSpectrum = engine.InputSpectrumTrace();
  return traces;
}

RgbColor Dimmed(RgbColor color, RgbColor background) {
  const float keep = 1.0f - kReferenceDimming;
  return {keep * color.red + kReferenceDimming * background.red,
          keep * color.green + kReferenceDimming * background.green,
          keep * color.blue + kReferenceDimming * background.blue};
}

PlotFrame TimeViewFrameWithReference(SignalEngine& engine, const ReferenceTraces& reference,
                                     const TimeViewStyle& style, PlotExtent extent) {
  TimeDomainLayers gridOnly = style.layers;
  gridOnly.showInput = gridOnly.showOutput = false;
  TimeDomainLayers tracesOnly = style.layers;
  tracesOnly.showGrid = false;
  const TimeViewStyle liveStyle{tracesOnly, style.printColors};
  return Layered(
      TimeDomainFrame(reference.input, reference.output, gridOnly, style.printColors, extent),
      TimeDomainFrame(reference.input, reference.output, tracesOnly, style.printColors, extent),
      TimeViewFrame(engine, liveStyle, extent));
}

PlotFrame FreqViewFrameWithReference(SignalEngine& engine, const ReferenceTraces& reference,
                                     const FreqViewStyle& style, PlotExtent extent) {
  FreqDomainLayers gridOnly = style.layers;
  gridOnly.showMagnitude = gridOnly.showPhase = false;
  gridOnly.showInputSpectrum = gridOnly.showOutputSpectrum = false;
  FreqDomainLayers tracesOnly = style.layers;
  tracesOnly.showGrid = false;
  const FreqViewStyle liveStyle{tracesOnly, style.printColors};
  const FreqDomainTraces traces{reference.magnitude, reference.phase, reference.outputSpectrum,
                                reference.inputSpectrum};
  return Layered(FreqDomainFrame(traces, gridOnly, style.printColors, extent),
                 FreqDomainFrame(traces, tracesOnly, style.printColors, extent),
                 FreqViewFrame(engine, liveStyle, extent));
}

}  // namespace tovan
