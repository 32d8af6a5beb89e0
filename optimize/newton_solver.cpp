#include "optimize/newton_solver.h"

#include <cmath>

#include "optimize/linear_algebra.h"

namespace tovan {
namespace {

constexpr double kSmallestStep = 0.000244140625;  // 2^-12

// x0 - lambda d, element by element; a step shorter than x0 (a problem whose residual
// count differs from its parameter count) leaves the missing parameters in place.
Vector TrialPoint(const Vector& start, const Vector& step, double lambda) {
  Vector trial = start;
  for (int k = 0; k < start.length() && k < step.length(); ++k)
    trial[k] = start[k] - step[k] * lambda;
  return trial;
}

}  // namespace

NewtonSolver::NewtonSolver() : monitor(0.0004, 100, 5.0, 2.5) {}

Vector NewtonSolver::Residuals() {
  const int n = parameters.length();
  Vector residuals(n);
  for (int i = 0; i < n; ++i) residuals[i] = Residual(i);
  return residuals;
}

double NewtonSolver::Residual(int i) { return Residual(i, parameters); }

Matrix NewtonSolver::Jacobian() {
  const int n = parameters.length();
  Matrix jacobian(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) jacobian[i][j] = Jacobian(i, j);
  return jacobian;
}

double NewtonSolver::Jacobian(int i, int j) { return Jacobian(i, j, parameters); }

bool NewtonSolver::Restart() { return false; }

Linearization NewtonSolver::Linearize() {
  Linearization linearization;
  linearization.jacobian = Jacobian();
  linearization.residuals = Residuals();
  return linearization;
}

void NewtonSolver::Setup(const Vector& start, double tolerance, int maxIterations,
                         double timeConstant, double toleranceDb) {
  startParameters = start;
  parameters = start;
  lastMerit = 0.0;
  this->tolerance = tolerance;
  this->maxIterations = maxIterations;
  iterationCount = 0;
  monitor.Reset(tolerance, maxIterations, timeConstant, toleranceDb);
}

bool NewtonSolver::Iterate() {
  const Vector start = parameters;
  const Linearization linearization = Linearize();
  const double startMerit = MeanSquare(linearization.residuals);
  const Vector step = Solve(linearization.jacobian, linearization.residuals);
  double lambda = 1.0;
  while (true) {
    parameters = TrialPoint(start, step, lambda);
    const double trialMerit = MeanSquare(Residuals());
    // Only a larger merit rejects a finite trial (from a NaN start any finite point
    // is taken); a non-finite one, as a singular Jacobian's step gives, is always
    // rejected rather than accepted as an improvement.
    if (!(trialMerit > startMerit) && std::isfinite(trialMerit)) {
      lastMerit = trialMerit;
      iterationCount += 1;
      monitor.Record(iterationCount, trialMerit);
      return monitor.ShouldContinue();
    }
    lambda = lambda * 0.5;
    iterationCount += 1;
    if (lambda <= kSmallestStep) {
      parameters = start;
      lastMerit = startMerit;
      return false;
    }
  }
}

bool NewtonSolver::Run() {
  double best = 0.0;
  bool haveBest = false;
  Vector saved = parameters;
  while (true) {
    while (Iterate()) {
    }
    if (lastMerit <= tolerance) return true;
    if (iterationCount >= maxIterations) {
      if (haveBest) parameters = saved;
      return false;
    }
    if (!haveBest || lastMerit < best) {
      best = lastMerit;
      saved = parameters;
      haveBest = true;
    }
    if (!Restart()) {
      parameters = saved;
      return false;
    }
  }
}

}  // namespace tovan
