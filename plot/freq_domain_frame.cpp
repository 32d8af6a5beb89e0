#include "plot/freq_domain_frame.h"

#include <algorithm>

#include "plot/grid_lines.h"

namespace tovan {

float FrequencyAbscissa(double gigahertz, float width) {
  const double gx = width * 0.1;
  return static_cast<float>((width - 10 * gx) + gx * gigahertz);
}

float SpectrumOrdinate(double decibels, float height) {
  return static_cast<float>(height + (height / 60.0) * decibels);
}

float PhaseOrdinate(double degrees, float height) {
  return static_cast<float>((height - 200 * 0.0025 * height) + 0.0025 * height * degrees);
}

float MagnitudeOrdinate(double decibels, float height) {
  return static_cast<float>((height - 5 * 0.1 * height) + 0.1 * height * decibels);
}

namespace {

using Ordinate = float (*)(double, float);

PlotStroke TraceStroke(const SampleTable& trace, Ordinate ordinate, PlotExtent extent,
                       RgbColor color, float lineWidth) {
  PlotStroke stroke;
  stroke.color = color;
  stroke.lineWidth = lineWidth;
  const int n = std::min(trace.abscissae.length(), trace.ordinates.length());
  for (int i = 1; i < n; ++i)
    stroke.AddSegment(FrequencyAbscissa(trace.abscissae[i - 1], extent.width),
                      ordinate(trace.ordinates[i - 1], extent.height),
                      FrequencyAbscissa(trace.abscissae[i], extent.width),
                      ordinate(trace.ordinates[i], extent.height));
  return stroke;
}

}  // namespace

PlotFrame FreqDomainFrame(const FreqDomainTraces& traces, const FreqDomainLayers& layers,
                          bool printColors, PlotExtent extent) {
  PlotFrame frame;
  frame.background = BackgroundColor(printColors);
  frame.extent = extent;
  std::vector<PlotStroke>& strokes = frame.strokes;
  if (layers.showGrid) AppendGrid(strokes, extent, 10, 10, layers.gridWidth);
  // Later layers lie on top: the drawing order is part of the picture.
  if (layers.showInputSpectrum)
    strokes.push_back(TraceStroke(traces.inputSpectrum, SpectrumOrdinate, extent, kOrangeTrace,
                                  layers.inputSpectrumWidth));
  if (layers.showOutputSpectrum)
    strokes.push_back(TraceStroke(traces.outputSpectrum, SpectrumOrdinate, extent, kBlueTrace,
                                  layers.outputSpectrumWidth));
  if (layers.showPhase)
    strokes.push_back(
        TraceStroke(traces.phase, PhaseOrdinate, extent, kGreenTrace, layers.phaseWidth));
  if (layers.showMagnitude)
    strokes.push_back(TraceStroke(traces.magnitude, MagnitudeOrdinate, extent, kCrimsonTrace,
                                  layers.magnitudeWidth));
  return frame;
}

}  // namespace tovan
