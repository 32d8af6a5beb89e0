#pragma once

#include "numeric/int_vector.h"
#include "numeric/vector.h"

namespace tovan {

// True for at most one abscissa; otherwise every consecutive pair must satisfy
// x_i < x_(i+1) (strict) or x_i <= x_(i+1).
bool IsSorted(const Vector& abscissae, bool strict);

// The indices 0 ... n-1 ordered by ascending abscissa, by heap sort. With merging,
// of several indices with exactly equal abscissae one survives (the one the
// extraction places last), so the result can be shorter than n. NaN abscissae give
// some permutation of the indices; none is lost or repeated.
IntVector SortPermutation(const Vector& abscissae, bool merge);

}  // namespace tovan
