#pragma once

#include "numeric/complex.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "optimize/newton_solver.h"
#include "transfer/factored_polynomial.h"
#include "transfer/polynomial.h"

namespace tovan {

// Polish a monic factor of P so that the remainder of P divided by it vanishes. The
// parameters are the factor's low coefficients; the residuals are the remainder's
// low coefficients; all work (100 Newton iterations at most) is done on
// construction. Quotient() belongs to the last division made, which can be a
// rejected trial point rather than the final factor.

// x^2 + b1 x + b0 from the pair root, conj(root): parameters [b0, b1].
class QuadraticFactorRefiner final : public NewtonSolver {
 public:
  QuadraticFactorRefiner(const Polynomial& p, const Complex& root);

  using NewtonSolver::Jacobian;
  using NewtonSolver::Residual;
  Vector Residuals() override;
  double Residual(int i, const Vector& params) override;
  double Jacobian(int i, int j, const Vector& params) override;
  Linearization Linearize() override;

  Polynomial Quotient() const { return quotient; }
  // The refined factor as gain and roots (the quadratic formula's order).
  FactoredPolynomial Factor() const;

 private:
  void DivideAt(const Vector& params);
  Matrix RemainderJacobian(const Vector& params) const;

  Polynomial dividend;
  Polynomial factor;
  Polynomial quotient;
  Polynomial remainder;
};

// x + b0 from the real root r: parameters [b0] = [-r].
class LinearFactorRefiner final : public NewtonSolver {
 public:
  LinearFactorRefiner(const Polynomial& p, double root);

  using NewtonSolver::Jacobian;
  using NewtonSolver::Residual;
  Vector Residuals() override;
  double Residual(int i, const Vector& params) override;
  double Jacobian(int i, int j, const Vector& params) override;
  Linearization Linearize() override;

  Polynomial Quotient() const { return quotient; }
  FactoredPolynomial Factor() const;

 private:
  void DivideAt(const Vector& params);
  Matrix RemainderJacobian(const Vector& params) const;

  Polynomial dividend;
  Polynomial factor;
  Polynomial quotient;
  Polynomial remainder;
};

}  // namespace tovan
