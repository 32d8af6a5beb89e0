#pragma once

#include <vector>

namespace tovan {

// The minimum phase (radians) that goes with a magnitude given at strictly increasing
// frequencies f (GHz, at least two) as linear ratios, one per frequency.
//
// Method: ln|H| is sampled on a uniform grid of 2^14 + 1 points from DC to the last
// frequency (dB linear in frequency between the given points, held below the first;
// an exact zero counts as -300 dB), extended evenly to a full circle of 2^15 points
// whose half-way point is the last frequency, and its real cepstrum taken (inverse
// FFT). Folding the cepstrum onto its causal half (c0, 2c1, ..., 2c(N/2-1), c(N/2), 0
// ...) and transforming back gives ln H of the minimum-phase response, whose imaginary
// part is the phase: the discrete Hilbert transform of ln|H|. The phase at each given
// frequency is read from the grid by linear interpolation.
// Known limit: this is the minimum phase of a sampled system whose Nyquist frequency
// is the last given frequency; near that end the phase departs from that of a
// continuous-time system with the same magnitude.
std::vector<double> MinimumPhase(const std::vector<double>& f, const std::vector<double>& magnitude);

}  // namespace tovan
