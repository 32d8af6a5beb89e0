#pragma once

#include "numeric/int_vector.h"
#include "numeric/vector.h"

namespace tovan {

// A signal that has passed a filter may lag its bit sequence by whole cells (a
// compensated phase is only known modulo a full turn at the bitrate, that is modulo
// one cell). Before the bits label the cells they are lined up with the signal.

// The lag in whole cells, 0 ... B - 1, at which the bits best match the signal: the
// delay d with the largest sum over cells j of s(j - d) * (cellSum_j - S * threshold),
// where s is +1 for a bit equal to 1 and -1 otherwise, cellSum_j the sum of cell j's
// samples in order, and j - d taken modulo B; the smallest d on a tie. `signal` holds
// B * S samples. Costs B * B multiply-adds.
int CellLag(const Vector& signal, const IntVector& bits, int samplesPerBit, double threshold);

// The bits delayed by `lag` cells: result[j] = bits[(j - lag) mod B].
IntVector DelayBits(const IntVector& bits, int lag);

}  // namespace tovan
