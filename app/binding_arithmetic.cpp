#include "app/binding_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace tovan {

int TruncToInt(double x) {
  if (std::isnan(x)) return 0;
  const double t = std::trunc(x);
  if (t <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (t >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(t);
}

int DecimalsForStep(double step) {
  const int decimals = TruncToInt(std::ceil(std::log10(1 / step)));
  return std::clamp(decimals, 0, 9);
}

int SliderStepCount(double max, double min, double step) {
  return TruncToInt(std::floor((max - min) / step));
}

int SliderPositionFor(double x, double max, double min, int n) {
  const int offset = TruncToInt((x - min) / (max - min) * n);
  return static_cast<int>(static_cast<long long>(n) - offset);
}

double SliderValueAt(int p, double max, double min, int n, int rangeMin) {
  const double span = static_cast<double>(n) - rangeMin;
  if (span == 0.0) return min;
  return min + (static_cast<double>(n) - p) / span * (max - min);
}

int SpinPositionFor(double x) {
  const int p = TruncToInt(std::log(x) * 1.4426950408889634);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(p) & 0xFFFFu));
}

double SpinValueAt(unsigned p) { return std::pow(2.0, p); }

std::string FormatDecimals(double x, int decimals) {
  char format[] = "%0.0f";
  format[3] = static_cast<char>('0' + std::clamp(decimals, 0, 9));
  char text[512];
  std::snprintf(text, sizeof text, format, x);
  return text;
}

std::string FormatInteger(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%d", TruncToInt(x));
  return text;
}

}  // namespace tovan
