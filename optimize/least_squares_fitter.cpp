#include "optimize/least_squares_fitter.h"

#include <cmath>

#include "numeric/rand15.h"
#include "optimize/linear_algebra.h"

namespace tovan {
namespace {

constexpr double kDampingLimit = 1e11;
// The single-precision constant nearest to 1/32767.
constexpr float kInverseRandMax = 3.0518509e-05f;

Vector FirstElements(const Vector& v, int n) {
  Vector result(n);
  for (int k = 0; k < n; ++k) result[k] = v[k];
  return result;
}

Matrix DampedDiagonal(const Matrix& a, double damping) {
  Matrix m = a;
  for (int i = 0; i < m.rows(); ++i) m[i][i] = m[i][i] * (1.0 + damping);
  return m;
}

}  // namespace

LeastSquaresFitter::LeastSquaresFitter() { monitor.Reset(0.0004, 100, FitMonitorSettings()); }

Vector LeastSquaresFitter::Residuals() {
  Vector values(abscissae.length());
  for (int i = 0; i < values.length(); ++i) values[i] = Residual(i);
  return values;
}

double LeastSquaresFitter::Residual(int i) { return Model(abscissae[i]); }

Matrix LeastSquaresFitter::Jacobian() {
  Matrix jacobian(abscissae.length(), parameters.length());
  for (int i = 0; i < jacobian.rows(); ++i)
    for (int j = 0; j < parameters.length(); ++j) jacobian[i][j] = Jacobian(i, j);
  return jacobian;
}

double LeastSquaresFitter::Jacobian(int i, int j) { return ModelDerivative(abscissae[i], j); }

Linearization LeastSquaresFitter::Linearize() {
  Linearization result;
  result.jacobian = Jacobian();
  result.residuals = Residuals();
  return result;
}

void LeastSquaresFitter::Setup(const Vector& start, const SampleTable& data, const Vector& newWeights,
                               double newTolerance, int newMaxIterations, bool newRestartEnabled,
                               double initialDamping, const FitMonitorSettings& monitorSettings) {
  startParameters = start;
  parameters = start;
  int n = data.abscissae.length();
  if (data.ordinates.length() < n) n = data.ordinates.length();
  if (newWeights.length() < n) n = newWeights.length();
  abscissae = FirstElements(data.abscissae, n);
  ordinates = FirstElements(data.ordinates, n);
  weights = FirstElements(newWeights, n);
  lastMerit_ = 0.0;
  tolerance = newTolerance;
  maxIterations = newMaxIterations;
  restartEnabled = newRestartEnabled;
  damping_ = initialDamping;
  iterationCount_ = 0;
  monitor.Reset(tolerance, maxIterations, monitorSettings);
}

double LeastSquaresFitter::MeritOf(const Vector& modelValues) const {
  return MeanSquare(Subtract(modelValues, ordinates));
}

double LeastSquaresFitter::TrialMerit(const Vector& x0, const Matrix& normal, const Vector& gradient) {
  const Vector delta = Solve(DampedDiagonal(normal, damping_), gradient);
  parameters = Subtract(x0, delta);
  return MeritOf(Residuals());
}

bool LeastSquaresFitter::Iterate() {
  const Vector x0 = parameters;
  const Linearization linear = Linearize();
  const Matrix weighted = WeightedTranspose(linear.jacobian, weights);
  const Matrix normal = MatrixMultiply(weighted, linear.jacobian);
  const double m0 = MeritOf(linear.residuals);
  const Vector gradient = MatrixMultiply(weighted, Subtract(linear.residuals, ordinates));
  double merit = m0;
  for (;;) {
    const double m1 = TrialMerit(x0, normal, gradient);
    iterationCount_ += 1;
    // A non-finite trial merit would compare as "not larger"; it is a failed trial.
    if (std::isfinite(m1) && !(m1 > m0)) {
      damping_ = damping_ * 0.1;
      merit = m1;
      break;
    }
    damping_ = damping_ * 10.0;
    // Written as "not below" so that a NaN damping gives up too instead of looping.
    if (!(damping_ < kDampingLimit)) {
      parameters = x0;
      break;
    }
  }
  lastMerit_ = merit;
  monitor.Record(iterationCount_, merit, damping_);
  return monitor.ShouldContinue();
}

bool LeastSquaresFitter::Run() {
  double best = 0.0;
  bool haveBest = false;
  Vector saved = parameters;
  for (;;) {
    while (Iterate()) {
    }
    if (lastMerit_ <= tolerance) return true;
    if (iterationCount_ >= maxIterations) {
      if (haveBest) parameters = saved;
      return false;
    }
    if (!haveBest || lastMerit_ < best) {
      best = lastMerit_;
      saved = parameters;
      haveBest = true;
    }
    if (!Restart()) {
      parameters = saved;
      return false;
    }
  }
}

bool LeastSquaresFitter::Restart() {
  if (!restartEnabled) return false;
  const double radius = 100.0 * tolerance;
  parameters = startParameters;
  const Linearization linear = Linearize();
  const int n = abscissae.length();
  Vector moved(parameters.length());
  for (int i = 0; i < parameters.length(); ++i) {
    // Gradient of the weighted mean square, summed over the samples in order.
    double sum = 0.0;
    for (int j = 0; j < n; ++j)
      sum = sum + weights[j] * (linear.residuals[j] - ordinates[j]) * linear.jacobian[j][i];
    const double slope = (2.0 / n) * sum;
    const float u = static_cast<float>(Rand15()) * kInverseRandMax;
    const bool usable = slope != 0.0 && std::isfinite(slope);
    moved[i] = usable ? startParameters[i] + radius * (1.0 - 2.0 * u) / slope : startParameters[i];
  }
  parameters = moved;
  return true;
}

}  // namespace tovan
