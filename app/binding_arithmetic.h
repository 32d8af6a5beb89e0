#pragma once

#include <string>

namespace tovan {

// The position arithmetic of the slider and spin bindings, free of any control.
// A slider runs from position 0 (the maximum, at the top) to position n (the
// minimum); a spin control's position is an exponent of two.

// Truncation towards zero into int; NaN gives 0 and values beyond int's range the
// nearest end, so no input makes the conversion undefined.
int TruncToInt(double x);

// ceil(log10(1 / step)) as int, negative results as 0, at most 9 (one format digit).
int DecimalsForStep(double step);

// n = floor((max - min) / step) as int.
int SliderStepCount(double max, double min, double step);

// p = n - trunc((x - min) / (max - min) x n): truncated, not rounded.
int SliderPositionFor(double x, double max, double min, int n);

// x = min + (n - p) / (n - rangeMin) x (max - min) in floating point, evaluated left
// to right, with no rounding to the step; min when n equals rangeMin.
double SliderValueAt(int p, double max, double min, int n, int rangeMin);

// trunc(ln(x) x 1.4426950408889634) kept to its low 16 bits, as a signed position.
int SpinPositionFor(double x);

// 2 to the power p.
double SpinValueAt(unsigned p);

// x with `decimals` digits after the point ("%0.Nf"); decimals outside 0 ... 9 are
// clamped to that range.
std::string FormatDecimals(double x, int decimals);

// "%d" of trunc(x).
std::string FormatInteger(double x);

}  // namespace tovan
