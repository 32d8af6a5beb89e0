#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "optimize/fit_monitor.h"
#include "optimize/objective.h"
#include "transfer/sample_table.h"

namespace tovan {

// Levenberg-Marquardt fit of n parameters to N weighted samples. Each step solves
// (A + mu diag A) delta = g with A = J^T W J, g = J^T W (F - y), W = diag(weights),
// and tries x0 - delta: an accepted trial (merit not larger) multiplies mu by 0.1, a
// rejected one by 10, until mu reaches 1e11, when the step gives up at x0. A trial
// whose merit is not finite (a singular normal matrix) counts as rejected. The merit
// is the unweighted mean square (1/N) sum (F_j - y_j)^2; mu carries over between
// steps and restarts. Accepted and rejected trials both count as iterations.
//
// The "residuals" here are the model values F, since the fitter subtracts the
// ordinates itself. A model supplies Model and ModelDerivative and may replace the
// whole-vector forms (Residuals, Jacobian, Linearize) to compute everything at once.
class LeastSquaresFitter {
 public:
  LeastSquaresFitter();

  virtual Vector Residuals();             // F at every abscissa
  virtual double Residual(int i);         // Model(abscissae[i])
  virtual double Model(double x) = 0;     // F at x with the current parameters
  virtual Matrix Jacobian();              // N x n
  virtual double Jacobian(int i, int j);  // ModelDerivative(abscissae[i], j)
  virtual double ModelDerivative(double x, int j) = 0;  // dF/dp_j at x
  // False when restarts are off. Otherwise every parameter moves from its
  // start value to start_i + R (1 - 2u) / s_i, with R = 100 tolerance, u = rand()
  // reduced to 0 ... 32767, times the float nearest 1/32767, and s_i the gradient (2/N) sum w_j (F_j - y_j)
  // J_ji of the weighted mean square at the start point; a zero or non-finite s_i
  // leaves start_i (one rand() is drawn per parameter either way).
  virtual bool Restart();
  virtual Linearization Linearize();  // Jacobian, then Residuals

  // Both parameter vectors become start, the table and weights are copied, the
  // counters and merit are reset, mu = initialDamping, and the monitor is reset with
  // target = tolerance. Samples past the shortest of abscissae, ordinates and
  // weights are ignored.
  void Setup(const Vector& start, const SampleTable& data, const Vector& weights, double tolerance,
             int maxIterations, bool restartEnabled, double initialDamping, const FitMonitorSettings& monitorSettings);
  // One damped step; true while the run should go on.
  bool Iterate();
  // Iterates until the monitor stops; true when the merit reached tolerance.
  // Otherwise keeps the best point of each pass and restarts while allowed and the
  // iteration limit is not reached; ends at the best point seen (or, when the limit
  // ends the first pass, at the last point).
  bool Run();

  Vector Parameters() const { return parameters; }
  double lastMerit() const { return lastMerit_; }
  int iterationCount() const { return iterationCount_; }
  double damping() const { return damping_; }

 protected:
  ~LeastSquaresFitter() = default;
  LeastSquaresFitter(const LeastSquaresFitter&) = default;
  LeastSquaresFitter& operator=(const LeastSquaresFitter&) = default;

  Vector startParameters;
  Vector parameters;
  Vector abscissae;
  Vector ordinates;
  Vector weights;

 private:
  double MeritOf(const Vector& modelValues) const;
  // Solves the damped normal equations at mu and evaluates the trial point.
  double TrialMerit(const Vector& x0, const Matrix& normal, const Vector& gradient);

  bool restartEnabled = false;
  double damping_ = 0.0;
  double lastMerit_ = 0.0;
  double tolerance = 0.0;
  int iterationCount_ = 0;
  int maxIterations = 0;
  FitMonitor monitor;
};

}  // namespace tovan
