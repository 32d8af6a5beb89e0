#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan {

// The pattern is one period of a periodic signal; a trace table holds that period
// cut into bit cells. Every measurement works on the period itself, so that a
// one-cell table and a three-cell table of the same signal give the same figures
// and a feature near a cell boundary sees both of its sides.

// The period behind a trace table: B * S samples, sample j*S + r being row r of
// column j of a one-cell table, or row S + r (the middle cell) of a three-cell table,
// whose outer cells only repeat the middles of the neighbouring columns.
// Empty when the shape does not fit: S >= 1, exactly S rows (3S with threeCells),
// every row with the same number B >= 1 of columns, and B * S at most the largest int.
Vector UnrollTraceTable(const Matrix& traces, int samplesPerBit, bool threeCells);

// Sample n of the period for any n, wrapped into 0 ... length - 1. Never asked of an
// empty signal.
double PeriodicSample(const Vector& signal, long long n);

// `count` consecutive samples of the period starting at sample `first` (any integer).
Vector PeriodicWindow(const Vector& signal, long long first, int count);

// True when every sample is finite.
bool AllFinite(const Vector& signal);

}  // namespace tovan
