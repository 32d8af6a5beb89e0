#include "plot/view_axes.h"

#include <cmath>
#include <cstdio>

#include "plot/view_scales.h"

namespace tovan {

namespace {

// Digits enough for a division of a few hundred ps, a tenth of a UI or a quarter V.
constexpr int kSignificantDigits = 4;

// One tick per division from `low` at fraction 0 to `high` at fraction 1.
Axis ScaleAxis(const char* title, int divisions, double low, double high) {
  Axis axis;
  axis.title = title;
  for (int i = 0; i <= divisions; ++i) {
    const double fraction = static_cast<double>(i) / divisions;
    axis.ticks.push_back(
        {fraction, TickLabel(ScaleValue(fraction, low, high), kSignificantDigits)});
  }
  return axis;
}

}  // namespace

std::string TickLabel(double value, int significant) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", significant, value);
  const std::string label = text;
  return label == "-0" ? "0" : label;
}

ViewAxes TimeViewAxes(int cellsShown, double bitrateGbps) {
  const double span = cellsShown / bitrateGbps * kPicosecondsPerNanosecond;
  ViewAxes axes;
  axes.bottom = ScaleAxis("Time (ps)", kTimeColumns, 0.0, span);
  axes.top = ScaleAxis("Time (UI)", kTimeColumns, 0.0, cellsShown);
  axes.left = ScaleAxis("Level (V)", kTimeRows, kTimeBottomVolts, kTimeTopVolts);
  return axes;
}

ViewAxes FreqViewAxes() {
  ViewAxes axes;
  axes.bottom = ScaleAxis("Frequency (GHz)", kFreqColumns, 0.0, kFreqRightGhz);
  axes.left = ScaleAxis("Spectra (dB)", kFreqRows, kSpectrumBottomDb, kSpectrumTopDb);
  axes.right = ScaleAxis("Phase (deg)", kFreqRows, kPhaseBottomDegrees, kPhaseTopDegrees);
  axes.farRight = ScaleAxis("Magnitude (dB)", kFreqRows, kMagnitudeBottomDb, kMagnitudeTopDb);
  return axes;
}

}  // namespace tovan
