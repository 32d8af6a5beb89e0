#include "optimize/rational_fit.h"

#include <cmath>

#include "numeric/constants.h"
#include "optimize/linear_algebra.h"
#include "transfer/polynomial.h"

namespace tovan {
namespace {

constexpr double kHighFrequency = 1e4;
constexpr double kFixedColumn = 1e60;
constexpr double kInfiniteMagnitude = 1e101;

SampleTable AngularTable(const SampleTable& magnitudes) {
  SampleTable table{Vector(magnitudes.abscissae.length()), magnitudes.ordinates};
  // Doubled first, then multiplied by pi: the roundings of omega follow this order.
  for (int j = 0; j < table.abscissae.length(); ++j) table.abscissae[j] = 2.0 * magnitudes.abscissae[j] * kPi;
  return table;
}

Polynomial Slice(const Vector& v, int first, int count) {
  Polynomial result(count);
  for (int k = 0; k < count; ++k) result[k] = v[first + k];
  return result;
}

}  // namespace

RationalFit::RationalFit(const RationalFunction& start, const SampleTable& magnitudes, const Vector& weights,
                         double tolerance, int maxIterations, bool restartEnabled) {
  const Polynomial& numerator = start.NumeratorCoefficients();
  const Polynomial& denominator = start.DenominatorCoefficients();
  Setup(Concatenate(numerator, denominator), AngularTable(magnitudes), weights, tolerance, maxIterations,
        restartEnabled, 10000.0, FitMonitorSettings());
  sampleCount = abscissae.length();
  numeratorDegree = numerator.length() - 1;
  denominatorDegree = denominator.length() - 1;
  tableOrder = (numeratorDegree > denominatorDegree ? numeratorDegree : denominatorDegree) + 1;
  BuildTables();
  tablesReady = true;
}

void RationalFit::BuildTables() {
  powers = Matrix(tableOrder + 1, sampleCount);
  signs = Vector(tableOrder + 1);
  for (int i = 0; i <= tableOrder; ++i) {
    for (int j = 0; j < sampleCount; ++j) powers[i][j] = std::pow(abscissae[j], i);
    signs[i] = std::pow(-1.0, i);
  }
  const auto fill = [this](int degree, Matrix& re, Matrix& im) {
    re = Matrix(degree + 1, sampleCount);
    im = Matrix(degree + 1, sampleCount);
    for (int i = 0; i <= degree; ++i)
      for (int j = 0; j < sampleCount; ++j) {
        if (i % 2 == 0) {
          re[i][j] = powers[i][j] * signs[i / 2];
        } else {
          im[i][j] = powers[i][j] * signs[(i - 1) / 2];
        }
      }
  };
  fill(numeratorDegree, numeratorRe, numeratorIm);
  fill(denominatorDegree, denominatorRe, denominatorIm);
}

RationalFit::Parts RationalFit::PartsAt(int j) const {
  // Each sum runs over ascending powers; the even and odd powers form separate sums.
  Parts parts;
  for (int k = 0; k <= numeratorDegree; ++k) {
    if (k % 2 == 0) {
      parts.reN = parts.reN + parameters[k] * numeratorRe[k][j];
    } else {
      parts.imN = parts.imN + parameters[k] * numeratorIm[k][j];
    }
  }
  const int offset = numeratorDegree + 1;
  for (int k = 0; k <= denominatorDegree; ++k) {
    if (k % 2 == 0) {
      parts.reD = parts.reD + parameters[offset + k] * denominatorRe[k][j];
    } else {
      parts.imD = parts.imD + parameters[offset + k] * denominatorIm[k][j];
    }
  }
  return parts;
}

double RationalFit::HighFrequencyValue() const {
  if (numeratorDegree < 0 || numeratorDegree < denominatorDegree) return 0.0;
  if (numeratorDegree > denominatorDegree) return kInfiniteMagnitude;
  return parameters[numeratorDegree] / parameters[numeratorDegree + 1 + denominatorDegree];
}

Vector RationalFit::Residuals() {
  Vector values(sampleCount);
  for (int j = 0; j < sampleCount; ++j) {
    if (abscissae[j] > kHighFrequency) {
      values[j] = HighFrequencyValue();
      continue;
    }
    const Parts p = PartsAt(j);
    values[j] = std::sqrt((p.reN * p.reN + p.imN * p.imN) / (p.reD * p.reD + p.imD * p.imD));
  }
  return values;
}

double RationalFit::Model(double) { return 0.0; }

double RationalFit::ModelDerivative(double, int) { return 0.0; }

void RationalFit::FillHighFrequencyRow(FlatArray<double>& row) const {
  if (numeratorDegree == denominatorDegree && numeratorDegree >= 0) {
    const double a = parameters[numeratorDegree];
    const double b = parameters[numeratorDegree + 1 + denominatorDegree];
    row[numeratorDegree] = 1.0 / b;
    row[numeratorDegree + 1 + denominatorDegree] = -a / (b * b);
  }
  if (numeratorDegree >= 0) row[0] = kFixedColumn;
}

void RationalFit::FillRow(int j, const Parts& p, FlatArray<double>& row) const {
  const double n2 = p.reN * p.reN + p.imN * p.imN;
  const double d2 = p.reD * p.reD + p.imD * p.imD;
  const double h = std::sqrt(n2 / d2);
  // Products and quotients left to right as written: |D|^2 |H| and |D|^4 |H|.
  for (int l = 1; l <= numeratorDegree; ++l)
    row[l] = (p.reN * numeratorRe[l][j] + p.imN * numeratorIm[l][j]) / (d2 * h);
  const int offset = numeratorDegree + 1;
  for (int l = 0; l <= denominatorDegree; ++l)
    row[offset + l] = -n2 * (p.reD * denominatorRe[l][j] + p.imD * denominatorIm[l][j]) / (d2 * d2 * h);
  if (numeratorDegree >= 0) row[0] = kFixedColumn;
}

Linearization RationalFit::Linearize() {
  Linearization result;
  result.jacobian = Matrix(sampleCount, parameters.length());
  result.residuals = Residuals();
  for (int j = 0; j < sampleCount; ++j) {
    if (abscissae[j] > kHighFrequency) {
      FillHighFrequencyRow(result.jacobian[j]);
    } else {
      FillRow(j, PartsAt(j), result.jacobian[j]);
    }
  }
  return result;
}

RationalFunction RationalFit::Fit() {
  Run();
  const Vector p = Parameters();
  return RationalFunction(Slice(p, 0, numeratorDegree + 1), Slice(p, numeratorDegree + 1, denominatorDegree + 1));
}

RationalFunction FitRationalFunction(const RationalFunction& start, const SampleTable& magnitudes,
                                     const Vector& weights, double tolerance, int maxIterations,
                                     bool restartEnabled) {
  RationalFit fit(start, magnitudes, weights, tolerance, maxIterations, restartEnabled);
  return fit.Fit();
}

}  // namespace tovan
