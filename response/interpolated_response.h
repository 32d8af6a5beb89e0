#pragma once

#include <vector>

#include "numeric/complex.h"
#include "numeric/complex_vector.h"
#include "numeric/vector.h"
#include "response/response_table.h"

namespace tovan {

// A table's response made evaluable at any frequency, by these rules:
// - the magnitude in dB (an exact zero counts as -300 dB) and the phase, unwrapped from
//   the first point (each step between neighbours taken into (-pi, pi]), are linear in
//   frequency between the table's points;
// - below the first point the magnitude is held and the phase goes linearly to 0 at DC;
// - above the last point the magnitude is held and the phase continues with the slope
//   of the last two points;
// - the whole is scaled so that the magnitude at the table's lowest frequency is 0 dB.
// Exact at the table's own frequencies (up to the scaling).
class InterpolatedResponse {
 public:
  explicit InterpolatedResponse(const ResponseTable& table);

  // The response at f (GHz, f >= 0).
  Complex At(double f) const;
  // At every frequency of the grid.
  ComplexVector On(const Vector& frequencies) const;

 private:
  std::vector<double> f_;
  std::vector<double> db_;     // relative to the first point
  std::vector<double> phase_;  // radians, unwrapped
};

}  // namespace tovan
