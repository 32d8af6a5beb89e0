#include "plot/cursor_reading.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/view_scales.h"

namespace tovan {

PaneFraction FractionAtPixel(double xPx, double yPx, int widthPx, int heightPx) {
  const double width = std::max(widthPx, 1);
  const double height = std::max(heightPx, 1);
  return {xPx / width, (height - yPx) / height};
}

TimeReading TimeReadingAt(PaneFraction at, int cellsShown, double bitrateGbps) {
  TimeReading reading;
  reading.unitIntervals = at.across * cellsShown;
  reading.picoseconds = reading.unitIntervals / bitrateGbps * kPicosecondsPerNanosecond;
  reading.volts = ScaleValue(at.up, kTimeBottomVolts, kTimeTopVolts);
  return reading;
}

double FrequencyAt(PaneFraction at) { return at.across * kFreqRightGhz; }

double TraceValueAt(const SampleTable& trace, double x) {
  const int n = std::min(trace.abscissae.length(), trace.ordinates.length());
  if (n < 2 || !(x >= trace.abscissae[0]) || !(x <= trace.abscissae[n - 1]))
    return std::numeric_limits<double>::quiet_NaN();
  int right = 1;
  while (right < n - 1 && trace.abscissae[right] < x) ++right;
  const double x0 = trace.abscissae[right - 1];
  const double x1 = trace.abscissae[right];
  const double y0 = trace.ordinates[right - 1];
  const double y1 = trace.ordinates[right];
  if (x1 == x0) return y0;
  return y0 + (x - x0) / (x1 - x0) * (y1 - y0);
}

}  // namespace tovan
