#pragma once

#include <QString>

#include "measure/engine_eye.h"

namespace tovan {

// The main window's read-out of the key eye figures, input first, then
// scope-affected:
//   "Eye height 0.800 / 0.655 V   Eye width 320.0 / 301.1 ps   Jitter p-p 0.0 / 12.3 ps
//    (input / scope-affected)"
// Heights in volts with 3 decimals, widths and jitter in ps with 1; a figure that
// could not be measured (NaN) shows as "n/a". A value that rounds to zero shows
// without a minus sign.
QString EyeReadoutText(const EyeComparison& eye);

// What the scope did, scope-affected minus input, signed:
//   "Scope minus input: eye height -0.145 V, eye width -19.1 ps, jitter p-p +12.3 ps"
QString EyeDifferenceText(const EyeComparison& eye);

// The scope-affected figures while a reference is held, each with its change from
// the reference's scope-affected figure:
//   "Scope-affected: eye height 1.076 V (-42 mV vs reference)   eye width 301.1 ps
//    (+2.3 ps vs reference)   jitter p-p 12.3 ps (0.0 ps vs reference)"
// Heights in V with 3 decimals and their change in mV with none; widths and jitter
// and their changes in ps with 1.
QString EyeReferenceText(const EyeMetrics& live, const EyeMetrics& reference);

// One figure with `decimals` decimals ("n/a" for NaN or infinity), with a leading
// "+" for positive values when `signedValue` is set.
QString FigureText(double value, int decimals, bool signedValue = false);

}  // namespace tovan
