#pragma once

#include "stateye/periodic_eye_signal.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// The statistical eye: the deterministic eye of the pattern (its own intersymbol
// interference through the scope) combined with random and deterministic jitter and
// vertical noise, without simulating long random bit streams.
//
// Definition. y(tau) is the signal over one pattern period (PeriodicEyeSignal: the
// one-cell traces cell after cell, periodic, linear between samples), and cell j,
// starting at tau_j = j * UI, carries bit b_j (lined up as the eye measurements line
// them up). The timing jitter delta is Gaussian random jitter of RMS rj convolved with
// dual-Dirac deterministic jitter +-dj/2 (two equal weights); the vertical noise is
// Gaussian of RMS `noise`. For a sampling phase t (ps from the cell start, any real)
// and a threshold v (V), the bit error ratio is the mean over the B cells of the
// probability of a wrong decision:
//   BER(t, v) = (1/B) sum_j E_delta[ Phi((v - y(tau_j + t + delta)) / noise) ]  for b_j = 1,
//                               E_delta[ Phi((y(tau_j + t + delta) - v) / noise) ]  for b_j = 0,
// Phi the standard normal distribution function; with noise 0, Phi is a step (1 for a
// positive argument, 1/2 at 0, 0 below); with rj 0, delta is exactly -dj/2 or +dj/2.
//
// Method. Within one sample interval y is linear, so in the standardised jitter
// z = (delta -+ dj/2) / rj a cell's term is a sum over sample intervals of
//   integral_{za}^{zb} phi(z) Phi(c + d z) dz,
// the Gaussian mass of the part of a vertical strip below a straight line. Noise 0 makes
// it a difference of two normal tails, exact. Otherwise the mass is integrated along
// whichever variable the line is less steep in: along z when |d| <= 1 (the noise factor
// Phi(c + d z) then changes no faster than the jitter factor), else along the noise
// variable w with the jitter mass of the strip where c + d z > w in closed form. Either
// way the integrand is smooth on the step of the rule, which is an 8-point Gauss-Legendre
// rule on pieces no longer than 4 standard deviations on which the integrand's logarithm
// changes by at most 8 (so far tails keep their relative accuracy). Both variables are
// followed to 12 standard deviations. What is negligible is 1e-9 of the larger of the
// BER without random jitter (a cheap first estimate) and the sum over the cells so far,
// and never less than 1e-26: a bit error ratio below about 1e-26 is not resolved. A
// strip whose mass is certainly below that level (a bound from the largest value of
// the integrand, without special functions) is left out whole, and so are the pieces
// of an integration on which the integrand stays below it. Against a brute-force
// evaluation of this definition (tests/stateye) the relative error stays below 1e-5
// down to 1e-20 (below 1e-6 above 1e-9). Where log Phi(c + d z) is a parabola on the
// strip to within 1e-7 (a flat line, or a decision seldom wrong), the strip takes a
// shortcut: the integrand is then a Gaussian, integrated in closed form (strip_mass.cpp).
//
// These are the figures' settings (kFiguresAccuracy, stateye/ber_accuracy.h); the map
// for drawing leaves out more and takes more closed forms (stateye/ber_map.h).
//
// Costs B * 2 * (sample intervals within 12 rj) mass evaluations; those whose line lies
// more than 12 noise deviations on one side, or whose mass is certainly negligible, cost
// no special function at all. The strips depend on the phase alone: BerAtPhase
// (stateye/ber_at_phase.h) lays them out once for any number of thresholds.
double BitErrorRatio(const PeriodicEyeSignal& signal, const StatEyeSettings& settings, double phasePs,
                     double volts);

}  // namespace tovan
