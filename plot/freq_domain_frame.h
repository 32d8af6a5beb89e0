#pragma once

#include "plot/plot_frame.h"
#include "transfer/sample_table.h"

namespace tovan {

// Which layers the frequency-domain view draws, and their line widths.
struct FreqDomainLayers {
  bool showGrid = true;
  bool showMagnitude = true;
  bool showPhase = true;
  bool showInputSpectrum = true;
  bool showOutputSpectrum = true;
  float gridWidth = 1.0f;
  float magnitudeWidth = 2.0f;
  float phaseWidth = 2.0f;
  float inputSpectrumWidth = 1.0f;
  float outputSpectrumWidth = 1.0f;
};

// The four traces, as the engine returns them.
struct FreqDomainTraces {
  const SampleTable& magnitude;
  const SampleTable& phase;
  const SampleTable& outputSpectrum;
  const SampleTable& inputSpectrum;
};

// Each mapping is a bottom offset plus a scale times the value, as written:
// x = (W - 10 x gx) + gx x f with gx = W x 0.1 (0 GHz left edge, 10 GHz right edge);
// spectrum y = H + (H / 60) x dB (0 dB top, -60 dB bottom);
// phase y = (H - 200 x 0.0025 x H) + 0.0025 x H x degrees (+-200 at the edges);
// magnitude y = (H - 5 x 0.1 x H) + 0.1 x H x dB (+-5 dB at the edges).
float FrequencyAbscissa(double gigahertz, float width);
float SpectrumOrdinate(double decibels, float height);
float PhaseOrdinate(double degrees, float height);
float MagnitudeOrdinate(double decibels, float height);

// The picture of the frequency-domain view: a 10 x 10 division grid, then input
// spectrum (orange), output spectrum (blue), phase (green) and magnitude (crimson),
// each segment its own primitive. A trace draws the segments between consecutive
// points of its abscissae, limited to the points that have an ordinate; fewer than
// two points draw nothing.
PlotFrame FreqDomainFrame(const FreqDomainTraces& traces, const FreqDomainLayers& layers,
                          bool printColors, PlotExtent extent);

}  // namespace tovan
