#include "optimize/factor_refiners.h"

#include <cmath>

namespace tovan {
namespace {

constexpr int kMaxIterations = 100;
constexpr double kTimeConstant = 5.0;
constexpr double kToleranceDb = 2.5;

// Low remainder coefficients of w divided by x^2 + b1 x + b0, by synthetic division
// from the top coefficient down (entries past the top read as 0).
Vector QuadraticRemainder(const Polynomial& w, double b0, double b1) {
  Polynomial s(w.length() - 2);
  for (int k = s.length() - 1; k >= 0; --k)
    s[k] = w.at(k + 2) - b1 * s.at(k + 1) - b0 * s.at(k + 2);
  Vector r(2);
  r[0] = w.at(0) - b0 * s.at(0);
  r[1] = w.at(1) - b1 * s.at(0) - b0 * s.at(1);
  return r;
}

// Low remainder coefficient of w divided by x + b0.
double LinearRemainder(const Polynomial& w, double b0) {
  Polynomial s(w.length() - 1);
  for (int k = s.length() - 1; k >= 0; --k) s[k] = w.at(k + 1) - b0 * s.at(k + 1);
  return w.at(0) - b0 * s.at(0);
}

// -Q and -x Q.
Polynomial Negated(const Polynomial& q) { return Scale(q, -1.0); }

Polynomial NegatedShifted(const Polynomial& q) {
  Polynomial w(q.length() + 1);
  for (int k = 0; k < q.length(); ++k) w[k + 1] = -q[k];
  return w;
}

double ElementOf(const Matrix& m, int i, int j) {
  if (i < 0 || j < 0 || i >= m.rows() || j >= m[i].size()) return 0.0;
  return m[i][j];
}

// Parameter k, 0 past the end of a short vector.
double ParameterAt(const Vector& params, int k) { return k < params.length() ? params[k] : 0.0; }

bool AllFinite(const Polynomial& p) {
  for (int k = 0; k < p.length(); ++k)
    if (!std::isfinite(p[k])) return false;
  return true;
}

Vector Low(const Polynomial& remainder, int count) {
  Vector low(count);
  for (int k = 0; k < count; ++k) low[k] = remainder.at(k);
  return low;
}

}  // namespace

QuadraticFactorRefiner::QuadraticFactorRefiner(const Polynomial& p, const Complex& root)
    : dividend(p) {
  Vector start(2);
  start[0] = root.re * root.re + root.im * root.im;
  start[1] = -2.0 * root.re;
  Setup(start, 0.0, kMaxIterations, kTimeConstant, kToleranceDb);
  Run();
  const Vector b = Parameters();
  // A rejected non-finite trial was the last division: the quotient handed on must
  // belong to the factor kept, or the root finder deflates into NaN.
  if (!AllFinite(quotient)) DivideAt(b);
  factor = Polynomial{b[0], b[1], 1.0};
}

void QuadraticFactorRefiner::DivideAt(const Vector& params) {
  PolynomialDivision division =
      DivRem(dividend, Polynomial{ParameterAt(params, 0), ParameterAt(params, 1), 1.0});
  quotient = std::move(division.quotient);
  remainder = Polynomial(Low(division.remainder, 2));
}

Matrix QuadraticFactorRefiner::RemainderJacobian(const Vector& params) const {
  const double b0 = ParameterAt(params, 0);
  const double b1 = ParameterAt(params, 1);
  const Vector column0 = QuadraticRemainder(Negated(quotient), b0, b1);
  const Vector column1 = QuadraticRemainder(NegatedShifted(quotient), b0, b1);
  Matrix jacobian(2, 2);
  for (int i = 0; i < 2; ++i) {
    jacobian[i][0] = column0[i];
    jacobian[i][1] = column1[i];
  }
  return jacobian;
}

Vector QuadraticFactorRefiner::Residuals() {
  DivideAt(CurrentParameters());
  return remainder;
}

double QuadraticFactorRefiner::Residual(int i, const Vector& params) {
  DivideAt(params);
  return remainder.at(i);
}

double QuadraticFactorRefiner::Jacobian(int i, int j, const Vector& params) {
  DivideAt(params);
  return ElementOf(RemainderJacobian(params), i, j);
}

Linearization QuadraticFactorRefiner::Linearize() {
  DivideAt(CurrentParameters());
  return {RemainderJacobian(CurrentParameters()), remainder};
}

FactoredPolynomial QuadraticFactorRefiner::Factor() const { return FromPolynomial(factor); }

LinearFactorRefiner::LinearFactorRefiner(const Polynomial& p, double root) : dividend(p) {
  Setup(Vector(1, -root), 0.0, kMaxIterations, kTimeConstant, kToleranceDb);
  Run();
  // As for the quadratic factor: never hand on a rejected trial's non-finite quotient.
  if (!AllFinite(quotient)) DivideAt(Parameters());
  factor = Polynomial{Parameters()[0], 1.0};
}

void LinearFactorRefiner::DivideAt(const Vector& params) {
  PolynomialDivision division = DivRem(dividend, Polynomial{ParameterAt(params, 0), 1.0});
  quotient = std::move(division.quotient);
  remainder = Polynomial(Low(division.remainder, 1));
}

Matrix LinearFactorRefiner::RemainderJacobian(const Vector& params) const {
  return Matrix(1, 1, LinearRemainder(Negated(quotient), ParameterAt(params, 0)));
}

Vector LinearFactorRefiner::Residuals() {
  DivideAt(CurrentParameters());
  return remainder;
}

double LinearFactorRefiner::Residual(int i, const Vector& params) {
  DivideAt(params);
  return remainder.at(i);
}

double LinearFactorRefiner::Jacobian(int i, int j, const Vector& params) {
  DivideAt(params);
  return ElementOf(RemainderJacobian(params), i, j);
}

Linearization LinearFactorRefiner::Linearize() {
  DivideAt(CurrentParameters());
  return {RemainderJacobian(CurrentParameters()), remainder};
}

FactoredPolynomial LinearFactorRefiner::Factor() const { return FromPolynomial(factor); }

}  // namespace tovan
