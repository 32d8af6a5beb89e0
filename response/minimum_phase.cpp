#include "response/minimum_phase.h"

#include <cmath>

#include "numeric/complex_vector.h"
#include "response/db_interpolation.h"
#include "transfer/fft.h"

namespace tovan {

namespace {

constexpr int kCircle = 1 << 15;  // points on the full frequency circle
constexpr int kHalf = kCircle / 2;
constexpr double kNepersPerDb = 0.11512925464970229;  // ln(10) / 20

// Phase on the half circle, grid point n at n * last / kHalf.
std::vector<double> GridPhase(const std::vector<double>& f, const std::vector<double>& db) {
  const double step = f.back() / kHalf;
  ComplexVector logMagnitude(kCircle);
  for (int n = 0; n <= kHalf; ++n) {
    const double value = InterpolateHeldBelow(f, db, n * step) * kNepersPerDb;
    logMagnitude[n] = Complex{value, 0.0};
    if (n > 0 && n < kHalf) logMagnitude[kCircle - n] = Complex{value, 0.0};
  }
  const ComplexVector cepstrum = InverseTransform(logMagnitude);
  ComplexVector folded(kCircle);
  folded[0] = Complex{cepstrum[0].re, 0.0};
  for (int n = 1; n < kHalf; ++n) folded[n] = Complex{2.0 * cepstrum[n].re, 0.0};
  folded[kHalf] = Complex{cepstrum[kHalf].re, 0.0};
  const ComplexVector logResponse = ForwardTransform(folded);
  std::vector<double> phase(kHalf + 1);
  for (int n = 0; n <= kHalf; ++n) phase[n] = logResponse[n].im;
  return phase;
}

}  // namespace

std::vector<double> MinimumPhase(const std::vector<double>& f, const std::vector<double>& magnitude) {
  std::vector<double> db(magnitude.size());
  for (std::size_t i = 0; i < magnitude.size(); ++i) db[i] = DecibelsOrFloor(magnitude[i]);
  const std::vector<double> grid = GridPhase(f, db);
  const double step = f.back() / kHalf;
  std::vector<double> phase(f.size());
  for (std::size_t i = 0; i < f.size(); ++i) {
    const double position = f[i] / step;
    const int n = std::min(static_cast<int>(position), kHalf - 1);
    const double t = position - n;
    phase[i] = grid[n] + t * (grid[n + 1] - grid[n]);
  }
  return phase;
}

}  // namespace tovan
