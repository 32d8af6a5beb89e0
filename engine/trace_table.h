#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan {

// Cuts a periodic signal into one trace per bit cell: S rows x B columns, element
// (r, j) = sample j*S + r. With threeCells, 3S rows: the cell before bit j, bit j and
// the cell after it, wrapping around the ends of the signal (the cell before bit 0
// is the end of the sequence). Samples past the end of a short signal read as 0.
Matrix BuildTraceTable(const Vector& signal, int bits, int samplesPerBit, bool threeCells);

}  // namespace tovan
