#pragma once

#include "numeric/complex.h"
#include "numeric/vector.h"

namespace tovan {

// 20 log10 |value|, floored at -3000 dB (a zero bin gives the floor, not -inf).
double FlooredDb(const Complex& value);

// Subtracts the largest element (the first of equal maxima, scanning in index order)
// from every element; an empty vector stays empty.
void NormalizeToPeak(Vector& db);

}  // namespace tovan
