#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "optimize/convergence_monitor.h"
#include "optimize/objective.h"

namespace tovan {

// Damped Newton iteration driving a square system of residuals F(x) to zero, the
// merit being the mean square (1/N) sum F_i^2. Each step solves J d = F and tries
// x0 - lambda d for lambda = 1, 1/2, ..., 2^-11; a trial whose merit is larger or not
// finite is rejected (so a singular Jacobian ends the step at its start point).
// Accepted and rejected trials both count as iterations.
//
// A problem supplies the point-wise residual and Jacobian at given parameters and
// may replace the whole-vector forms (Residuals, Jacobian, Linearize) to compute
// everything at once; the other operations fall back on those two.
class NewtonSolver {
 public:
  NewtonSolver();

  virtual Vector Residuals();                                // F at the current point
  virtual double Residual(int i);                            // F_i at the current point
  virtual double Residual(int i, const Vector& params) = 0;  // F_i at params
  virtual Matrix Jacobian();                                 // J at the current point
  virtual double Jacobian(int i, int j);                     // J_ij at the current point
  virtual double Jacobian(int i, int j, const Vector& params) = 0;  // J_ij at params
  virtual bool Restart();                                           // default: no restart
  virtual Linearization Linearize();                                // J, then F

  // Both parameter vectors become start; counters, merit and monitor are reset.
  void Setup(const Vector& start, double tolerance, int maxIterations, double timeConstant,
             double toleranceDb);
  // One damped step; true while the run should go on.
  bool Iterate();
  // Iterates to the end, keeping the best point of each pass; true when the merit
  // reached tolerance.
  bool Run();

  Vector Parameters() const { return parameters; }
  double LastMerit() const { return lastMerit; }
  int IterationCount() const { return iterationCount; }

 protected:
  ~NewtonSolver() = default;
  NewtonSolver(const NewtonSolver&) = default;
  NewtonSolver& operator=(const NewtonSolver&) = default;

  const Vector& CurrentParameters() const { return parameters; }

 private:
  Vector startParameters;
  Vector parameters;
  double lastMerit = 0.0;
  double tolerance = 0.0;
  int iterationCount = 0;
  int maxIterations = 0;
  ConvergenceMonitor monitor;
};

}  // namespace tovan
