#include "engine/property_comparison.h"

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>
#include <type_traits>

namespace tovan::property {
namespace {

using property::SameBits;
bool SameBits(const Complex& a, const Complex& b) { return SameBits(a.re, b.re) && SameBits(a.im, b.im); }
bool SameBits(int a, int b) { return a == b; }
bool SameBits(bool a, bool b) { return a == b; }

// Collects the first difference between the two engines, naming the result.
class Difference {
 public:
  bool None() const { return text_.empty(); }

  template <class T>
  void Values(const std::string& what, const T& a, const T& b) {
    if (None() && !SameBits(a, b)) Record(what, a, b);
  }

  template <class V>
  void Vectors(const std::string& what, const V& a, const V& b) {
    if (!None()) return;
    if (a.length() != b.length()) return Record(what + " length", a.length(), b.length());
    for (int i = 0; i < a.length(); ++i)
      if (!SameBits(a[i], b[i])) return Record(what + "[" + std::to_string(i) + "]", a[i], b[i]);
  }

  void Matrices(const std::string& what, const Matrix& a, const Matrix& b) {
    if (!None()) return;
    if (a.rows() != b.rows()) return Record(what + " rows", a.rows(), b.rows());
    for (int r = 0; r < a.rows(); ++r) {
      const std::string row = what + "[" + std::to_string(r) + "]";
      if (a[r].size() != b[r].size()) return Record(row + " size", a[r].size(), b[r].size());
      for (int k = 0; k < a[r].size(); ++k)
        if (!SameBits(a[r][k], b[r][k])) return Record(row + "[" + std::to_string(k) + "]", a[r][k], b[r][k]);
    }
  }

  void Tables(const std::string& what, const SampleTable& a, const SampleTable& b) {
    Vectors(what + " abscissae", a.abscissae, b.abscissae);
    Vectors(what + " ordinates", a.ordinates, b.ordinates);
  }

  void Factored(const std::string& what, const FactoredPolynomial& a, const FactoredPolynomial& b) {
    Vectors(what + " roots", a, b);
    Values(what + " gain", a.gain, b.gain);
  }

  void Rational(const std::string& what, const RationalFunction& a, const RationalFunction& b) {
    Values(what + " holds numerator coefficients", a.HasNumeratorCoefficients(), b.HasNumeratorCoefficients());
    Values(what + " holds denominator coefficients", a.HasDenominatorCoefficients(),
           b.HasDenominatorCoefficients());
    Values(what + " holds numerator roots", a.HasNumeratorFactored(), b.HasNumeratorFactored());
    Values(what + " holds denominator roots", a.HasDenominatorFactored(), b.HasDenominatorFactored());
    if (!None()) return;
    if (a.HasNumeratorCoefficients())
      Vectors(what + " numerator", a.NumeratorCoefficients(), b.NumeratorCoefficients());
    if (a.HasDenominatorCoefficients())
      Vectors(what + " denominator", a.DenominatorCoefficients(), b.DenominatorCoefficients());
    if (a.HasNumeratorFactored()) Factored(what + " numerator", a.NumeratorFactored(), b.NumeratorFactored());
    if (a.HasDenominatorFactored())
      Factored(what + " denominator", a.DenominatorFactored(), b.DenominatorFactored());
  }

  ::testing::AssertionResult Result() const {
    if (None()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "lazy and fresh engines differ: " << text_;
  }

 private:
  template <class T>
  void Record(const std::string& what, const T& a, const T& b) {
    std::ostringstream message;
    message.precision(17);
    message << what << ": ";
    if constexpr (std::is_same_v<T, Complex>)
      message << "(" << a.re << ", " << a.im << ") vs (" << b.re << ", " << b.im << ")";
    else
      message << a << " vs " << b;
    text_ = message.str();
  }

  std::string text_;
};

void CompareDiagnostics(Difference& d, const FitDiagnostics& a, const FitDiagnostics& b) {
  d.Values("power law amplitude", a.powerLawAmplitude, b.powerLawAmplitude);
  d.Values("power law exponent", a.powerLawExponent, b.powerLawExponent);
  d.Values("power law iterations", a.powerLawIterations, b.powerLawIterations);
  d.Values("power law fitted", a.powerLawFitted, b.powerLawFitted);
  d.Values("flatness iterations", a.flatnessIterations, b.flatnessIterations);
  d.Vectors("flatness parameters", a.flatnessParameters, b.flatnessParameters);
  d.Vectors("flatness target", a.flatnessTarget, b.flatnessTarget);
  d.Vectors("fitted zeros", a.fittedZeros, b.fittedZeros);
  d.Vectors("fitted poles", a.fittedPoles, b.fittedPoles);
}

}  // namespace

::testing::AssertionResult SameResults(SignalEngine& lazy, SignalEngine& fresh) {
  Difference d;
  d.Values("failed", lazy.Failed(), fresh.Failed());
  d.Matrices("input traces", lazy.InputTraces(), fresh.InputTraces());
  d.Matrices("output traces", lazy.OutputTraces(), fresh.OutputTraces());
  d.Tables("scope magnitude", lazy.ScopeMagnitudeTrace(), fresh.ScopeMagnitudeTrace());
  d.Tables("scope phase", lazy.ScopePhaseTrace(), fresh.ScopePhaseTrace());
  d.Tables("output spectrum", lazy.OutputSpectrumTrace(), fresh.OutputSpectrumTrace());
  d.Tables("input spectrum", lazy.InputSpectrumTrace(), fresh.InputSpectrumTrace());
  d.Vectors("sequence", lazy.Sequence(), fresh.Sequence());
  d.Vectors("waveform", lazy.Waveform(), fresh.Waveform());
  d.Vectors("waveform spectrum", lazy.WaveformSpectrum(), fresh.WaveformSpectrum());
  d.Vectors("frequency axis", lazy.FrequencyAxis(), fresh.FrequencyAxis());
  d.Rational("rise filter", lazy.RiseFilter(), fresh.RiseFilter());
  d.Vectors("rise response", lazy.RiseResponse(), fresh.RiseResponse());
  d.Vectors("input signal", lazy.InputSignal(), fresh.InputSignal());
  d.Rational("scope filter", lazy.ScopeFilter(), fresh.ScopeFilter());
  d.Vectors("scope response", lazy.ScopeResponse(), fresh.ScopeResponse());
  d.Vectors("group delay curve", lazy.GroupDelayCurve(), fresh.GroupDelayCurve());
  d.Vectors("group delay response", lazy.GroupDelayResponse(), fresh.GroupDelayResponse());
  d.Rational("flatness filter", lazy.FlatnessFilter(), fresh.FlatnessFilter());
  d.Vectors("flatness response", lazy.FlatnessResponse(), fresh.FlatnessResponse());
  d.Vectors("output signal", lazy.OutputSignal(), fresh.OutputSignal());
  CompareDiagnostics(d, lazy.Diagnostics(), fresh.Diagnostics());
  return d.Result();
}

}  // namespace tovan::property
