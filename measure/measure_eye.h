#pragma once

#include "measure/eye_frame.h"
#include "measure/eye_metrics.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"

namespace tovan {

// Measures the eye of one trace table: `traces` has one column per bit cell (S rows,
// or 3S rows with frame.threeCells) and `bits` one bit per column (a bit equal to 1
// is a one, any other value a zero).
//
// Definitions, all on the period behind the table (measure/periodic_trace.h), which
// wraps: the cell after the last bit is the first. S is frame.samplesPerBit, the UI
// is one bit cell of S samples, a sample is SampleSpacingPs(frame) ps, phases are
// counted from the cell start (row 0), the threshold is the mid level
// Threshold(frame) and the swing is Swing(frame).
// - Bits: cell j is labelled with bit j - lag, the lag in whole cells that best lines
//   the bits up with the signal (measure/bit_alignment.h): 0 for an input pattern,
//   possibly more for a filtered one. Every "1" and "0" cell and every transition
//   below is that of the lined-up bits.
// - Crossing: where the signal passes the threshold between two consecutive samples,
//   placed by linear interpolation (measure/level_crossing.h). Every crossing counts,
//   at transitions or not, as on an eye diagram.
// - eyeHeight: the opening (lowest "1" sample minus highest "0" sample, V) at the
//   cell centre, row S / 2 (measure/eye_opening.h). Negative for a closed eye.
// - eyeHeightBest, bestPhase: the largest opening over the S rows and its row / S in
//   UI; ties go to the row nearest the centre.
// - jitterPp, jitterRms: the peak-to-peak and RMS spread of the crossing phases
//   folded into one cell (measure/crossing_jitter.h), in ps.
// - eyeWidth, eyeWidthUi: the crossing-free part of the cell, one UI minus jitterPp,
//   in ps and in UI; 0 when the eye is closed (eyeHeightBest <= 0: there is no phase
//   at which it is open).
// - Edges (measure/bit_transitions.h, measure/edge_timing.h): rise1090, fall1090,
//   rise2080, fall2080 time the isolated edge of each direction, the one with the
//   longest settled runs around it, over the window of those runs; the average*
//   fields time the average edge, the mean over every edge of that direction of the
//   cell before and the cell after it. Levels for 10-90: lowLevel + 0.1 * swing and
//   lowLevel + 0.9 * swing (0.2 and 0.8 for 20-80), with the threshold as the 50 %
//   point; a fall runs from the upper level to the lower one. In ps.
// - overshoot, undershoot: the highest sample above highLevel and the lowest below
//   lowLevel, in % of the swing, at least 0 (measure/level_excursion.h).
//
// NaN: every field when the frame is unusable (IsUsable), the table's shape does not
// fit the frame, the bit count differs from the column count or a sample is not
// finite; the eye heights and bestPhase when the pattern lacks ones or zeros; the
// jitter and width fields when there is no crossing; an edge field when the pattern
// has no edge of that direction or its window lacks one of the three level crossings.
EyeMetrics MeasureEye(const Matrix& traces, const IntVector& bits, const EyeFrame& frame);

}  // namespace tovan
