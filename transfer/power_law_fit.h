#pragma once

#include "numeric/vector.h"
#include "optimize/least_squares_fitter.h"
#include "transfer/sample_table.h"

namespace tovan {

// Fits y = A x^p to samples with the least-squares fitter searching over p alone:
// for each trial exponent, A is the unweighted least-squares amplitude
// sum y_i x_i^p / sum x_i^(2p) over all samples, and the Jacobian is the total
// derivative of A(p) x^p. Non-positive abscissae still enter A but drop out of the
// derivative sums (their log is taken as 0); a negative abscissa with a non-integer
// exponent gives NaN, and samples that all vanish make A non-finite.
//
// Settings: initial damping 1e4, damping kept within (1e-10, 1e10), both time
// constants 5 and both tolerances 2.5 dB.
class PowerLawFit : public LeastSquaresFitter {
 public:
  PowerLawFit(const SampleTable& data, const Vector& weights, bool fitOnResult, double startExponent,
              double tolerance, int maxIterations, bool restartEnabled);

  // The model values A x_i^p at the current exponent; sets the amplitude.
  Vector Residuals() override;
  double Model(double x) override;
  double ModelDerivative(double x, int j) override;
  Linearization Linearize() override;

  // [A, p]: after running the fit when fitOnResult (convergence is not looked at),
  // otherwise at the start exponent without iterating.
  Vector Result();

  double Amplitude() const { return amplitude; }

 private:
  // A for the current exponent, with u_i = x_i^p filled in.
  double AmplitudeFor(Vector& u) const;

  bool logTableReady = false;
  bool fitOnResult = false;
  int sampleCount = 0;
  double amplitude = 0.0;
  Vector logAbscissae;  // ln x_i for x_i > 0, else 0
};

}  // namespace tovan
