#include "transfer/power_law_fit.h"

#include <cmath>

namespace tovan {

PowerLawFit::PowerLawFit(const SampleTable& data, const Vector& weights, bool fitOnResultFlag,
                         double startExponent, double tolerance, int maxIterations, bool restartEnabled) {
  Setup(Vector(1, startExponent), data, weights, tolerance, maxIterations, restartEnabled, 10000.0,
        FitMonitorSettings());
  fitOnResult = fitOnResultFlag;
  sampleCount = abscissae.length();
  logAbscissae = Vector(sampleCount);
  for (int i = 0; i < sampleCount; ++i) logAbscissae[i] = abscissae[i] > 0.0 ? std::log(abscissae[i]) : 0.0;
  logTableReady = true;
}

double PowerLawFit::AmplitudeFor(Vector& u) const {
  const double p = parameters[0];
  double cross = 0.0;
  double squares = 0.0;
  for (int i = 0; i < sampleCount; ++i) {
    u[i] = std::pow(abscissae[i], p);
    cross = cross + ordinates[i] * u[i];
    squares = squares + u[i] * u[i];
  }
  return cross / squares;
}

Vector PowerLawFit::Residuals() {
  Vector u(sampleCount);
  amplitude = AmplitudeFor(u);
  Vector values(sampleCount);
  for (int i = 0; i < sampleCount; ++i) values[i] = u[i] * amplitude;
  return values;
}

double PowerLawFit::Model(double) { return 0.0; }

double PowerLawFit::ModelDerivative(double, int) { return 0.0; }

Linearization PowerLawFit::Linearize() {
  Vector u(sampleCount);
  amplitude = AmplitudeFor(u);
  Linearization result;
  result.residuals = Vector(sampleCount);
  for (int i = 0; i < sampleCount; ++i) result.residuals[i] = u[i] * amplitude;
  // Sums over the positive abscissae, in index order, each product left to right.
  double s1 = 0.0, s2 = 0.0, s3 = 0.0, s4 = 0.0;
  for (int i = 0; i < sampleCount; ++i) {
    if (!(abscissae[i] > 0.0)) continue;
    const double l = logAbscissae[i];
    s1 = s1 + 2.0 * (u[i] * u[i]) * l;
    s2 = s2 + ordinates[i] * u[i];
    s3 = s3 + u[i] * u[i];
    s4 = s4 + ordinates[i] * u[i] * l;
  }
  const double slope = (s3 * s4 - s1 * s2) / (s3 * s3);
  result.jacobian = Matrix(sampleCount, 1);
  for (int i = 0; i < sampleCount; ++i) result.jacobian[i][0] = result.residuals[i] * logAbscissae[i] + u[i] * slope;
  return result;
}

Vector PowerLawFit::Result() {
  if (fitOnResult) {
    Run();
  } else {
    Residuals();
  }
  Vector result(2);
  result[0] = amplitude;
  result[1] = parameters[0];
  return result;
}

}  // namespace tovan
