#pragma once

#include "numeric/int_vector.h"
#include "numeric/vector.h"

namespace tovan {

// The vertical eye opening at one sampling phase of the bit cell.
//
// `signal` is the period of B * S samples (cell j = samples j*S ... j*S + S - 1),
// `bits` its B bits (a bit equal to 1 is a one, any other value a zero) and
// 0 <= row < S. The opening at row r (phase r / S UI from the cell start) is the
// lowest sample at row r of a "1" cell minus the highest sample at row r of a "0"
// cell, in volts: negative when the eye is closed there; NaN when the pattern lacks
// ones or zeros.
double EyeHeightAt(const Vector& signal, const IntVector& bits, int samplesPerBit, int row);

// The cell centre is row S / 2 (integer division): exactly 0.5 UI for an even S.
int CentreRow(int samplesPerBit);

struct BestOpening {
  double height;  // V
  int row;        // -1 when every row's opening is NaN
};

// The row of the largest opening over rows 0 ... S - 1 (the phase search is on the
// sample grid, without interpolation). Among equal openings the row nearest the
// cell centre wins, and of two equally near the earlier.
BestOpening BestEyeOpening(const Vector& signal, const IntVector& bits, int samplesPerBit);

}  // namespace tovan
