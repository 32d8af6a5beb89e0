#pragma once

#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "optimize/least_squares_fitter.h"
#include "transfer/rational_function.h"
#include "transfer/sample_table.h"

namespace tovan {

// Fits the magnitude |H(j omega)| of H(s) = sum a_i s^i / sum b_i s^i to target
// magnitudes at frequencies f (cycles per unit time; omega = (2 f) pi with pi the
// decimal constant). The parameters are [a_0 ... a_m, b_0 ... b_n], starting from the
// coefficients of the start function; the degrees m and n stay fixed. The Jacobian
// column of a_0 is the constant 1e60, which holds a_0 practically fixed (the overall
// scale is carried by the other coefficients). Powers of omega are tabulated once.
//
// Above omega = 1e4 the model is its high-frequency limit: 0 for m < n, 1e101 for
// m > n, a_m / b_n for m = n; its Jacobian row is the derivative of that limit (zero
// but for the a_m and b_n columns when m = n) with the same 1e60 in column 0.
//
// Settings: initial damping 1e4, damping kept within (1e-10, 1e10), both time
// constants 5 and both tolerances 2.5 dB.
class RationalFit : public LeastSquaresFitter {
 public:
  RationalFit(const RationalFunction& start, const SampleTable& magnitudes, const Vector& weights, double tolerance,
              int maxIterations, bool restartEnabled);

  Vector Residuals() override;
  double Model(double x) override;
  double ModelDerivative(double x, int j) override;
  Linearization Linearize() override;

  // Runs the fit (whether it converged is not looked at) and returns the function of
  // the final parameters, in coefficient form only.
  RationalFunction Fit();

 private:
  struct Parts {
    double reN = 0.0;
    double imN = 0.0;
    double reD = 0.0;
    double imD = 0.0;
  };

  void BuildTables();
  // Real and imaginary parts of N(j omega_j) and D(j omega_j), summed in index order.
  Parts PartsAt(int j) const;
  double HighFrequencyValue() const;
  void FillHighFrequencyRow(FlatArray<double>& row) const;
  void FillRow(int j, const Parts& parts, FlatArray<double>& row) const;

  bool tablesReady = false;
  int tableOrder = 0;
  Matrix powers;  // (K + 1) x N: omega_j^i
  Vector signs;   // (-1)^i
  int sampleCount = 0;
  int numeratorDegree = 0;
  int denominatorDegree = 0;
  Matrix numeratorRe, numeratorIm;      // (m + 1) x N: (j omega_j)^i
  Matrix denominatorRe, denominatorIm;  // (n + 1) x N
};

// RationalFit(start, magnitudes, weights, tolerance, maxIterations, restartEnabled)
// .Fit(): the fitted function in coefficient form.
RationalFunction FitRationalFunction(const RationalFunction& start, const SampleTable& magnitudes,
                                     const Vector& weights, double tolerance, int maxIterations,
                                     bool restartEnabled);

}  // namespace tovan
