#include "response/interpolated_response.h"

#include <cmath>
#include <numbers>

#include "response/db_interpolation.h"

namespace tovan {

namespace {

double Wrapped(double step) {
  constexpr double kPi = std::numbers::pi;
  while (step > kPi) step -= 2.0 * kPi;
  while (step <= -kPi) step += 2.0 * kPi;
  return step;
}

Complex FromDbAndPhase(double db, double phase) {
  const double magnitude = std::pow(10.0, db / 20.0);
  return {magnitude * std::cos(phase), magnitude * std::sin(phase)};
}

}  // namespace

InterpolatedResponse::InterpolatedResponse(const ResponseTable& table)
    : f_(table.frequencies), db_(f_.size()), phase_(f_.size()) {
  const std::size_t count = f_.size();
  double previousAngle = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const Complex& h = table.values[i];
    const double angle = std::atan2(h.im, h.re);
    db_[i] = DecibelsOrFloor(std::hypot(h.re, h.im));
    phase_[i] = i == 0 ? angle : phase_[i - 1] + Wrapped(angle - previousAngle);
    previousAngle = angle;
  }
  const double reference = db_.front();
  for (double& db : db_) db -= reference;
}

Complex InterpolatedResponse::At(double f) const {
  const std::size_t last = f_.size() - 1;
  if (f < f_.front()) return FromDbAndPhase(db_.front(), phase_.front() * (f / f_.front()));
  if (f >= f_[last]) {
    const double slope = (phase_[last] - phase_[last - 1]) / (f_[last] - f_[last - 1]);
    return FromDbAndPhase(db_[last], phase_[last] + (f - f_[last]) * slope);
  }
  const int i = SegmentOf(f_, f);
  const double t = (f - f_[i]) / (f_[i + 1] - f_[i]);
  return FromDbAndPhase(db_[i] + t * (db_[i + 1] - db_[i]),
                        phase_[i] + t * (phase_[i + 1] - phase_[i]));
}

ComplexVector InterpolatedResponse::On(const Vector& frequencies) const {
  ComplexVector response(frequencies.length());
  for (int k = 0; k < frequencies.length(); ++k) response[k] = At(frequencies[k]);
  return response;
}

}  // namespace tovan
