#include "engine/property_checks.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/property_comparison.h"
#include "numeric/complex.h"

namespace tovan::property {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr int kPatternBits = 128;

// Keeps the first violation seen; later checks are skipped once one is recorded.
class Findings {
 public:
  bool Clean() const { return text_.empty(); }
  void Fail(const std::string& what) {
    if (Clean()) text_ = what;
  }
  template <class... Parts>
  void Require(bool condition, const Parts&... parts) {
    if (condition || !Clean()) return;
    std::ostringstream message;
    message.precision(17);
    (message << ... << parts);
    text_ = message.str();
  }
  AssertionResult Result() const { return Clean() ? AssertionSuccess() : AssertionFailure() << text_; }

 private:
  std::string text_;
};

double Mean(const Vector& v) {
  double sum = 0.0;
  for (int i = 0; i < v.length(); ++i) sum += v[i];
  return v.length() > 0 ? sum / v.length() : 0.0;
}

void RequireFinite(Findings& f, const char* what, const Vector& v) {
  for (int i = 0; i < v.length() && f.Clean(); ++i)
    f.Require(std::isfinite(v[i]), what, "[", i, "] = ", v[i]);
}

void RequireFinite(Findings& f, const char* what, const ComplexVector& v) {
  for (int i = 0; i < v.length() && f.Clean(); ++i)
    f.Require(std::isfinite(v[i].re) && std::isfinite(v[i].im), what, "[", i, "] = (", v[i].re, ", ",
              v[i].im, ")");
}

void RequireFinite(Findings& f, const char* what, const RationalFunction& r) {
  if (r.HasNumeratorCoefficients()) RequireFinite(f, what, r.NumeratorCoefficients());
  if (r.HasDenominatorCoefficients()) RequireFinite(f, what, r.DenominatorCoefficients());
  if (r.HasNumeratorFactored()) RequireFinite(f, what, r.NumeratorFactored());
  if (r.HasDenominatorFactored()) RequireFinite(f, what, r.DenominatorFactored());
}

void RequireLength(Findings& f, const char* what, int length, int expected) {
  f.Require(length == expected, what, " has ", length, " points, expected ", expected);
}

// Element (r, j) is sample j S + r of the cell itself, shifted back or forward by one
// cell (modulo the signal length) in the first and last thirds of a 3S-row table.
void RequireCutFrom(Findings& f, const char* what, const Matrix& traces, const Vector& signal, int bits,
                    int samplesPerBit, bool threeCells) {
  const int cells = threeCells ? 3 : 1;
  const int rows = cells * samplesPerBit;
  const int length = signal.length();
  f.Require(traces.rows() == rows && traces.cols() == bits, what, " is ", traces.rows(), " x ",
            traces.cols(), ", expected ", rows, " x ", bits);
  for (int r = 0; r < rows && f.Clean(); ++r) {
    f.Require(traces[r].size() == bits, what, " row ", r, " has ", traces[r].size(), " columns");
    const int shift = threeCells ? (r / samplesPerBit - 1) * samplesPerBit : 0;
    const int row = r % samplesPerBit;
    for (int j = 0; j < bits && f.Clean(); ++j) {
      const int sample = ((j * samplesPerBit + row + shift) % length + length) % length;
      f.Require(SameBits(traces[r][j], signal[sample]), what, "(", r, ", ", j, ") is not sample ", sample);
    }
  }
}

void CheckShapes(Findings& f, SignalEngine& engine) {
  const int s = engine.samplesPerBit.value;
  const int bits = engine.Sequence().length();
  f.Require(bits == kPatternBits, "pattern has ", bits, " bits");
  const int n = bits * s;
  const int m = n / 2 + 1;
  RequireLength(f, "waveform", engine.Waveform().length(), n);
  RequireLength(f, "waveform spectrum", engine.WaveformSpectrum().length(), m);
  RequireLength(f, "frequency axis", engine.FrequencyAxis().length(), m);
  RequireLength(f, "rise response", engine.RiseResponse().length(), m);
  RequireLength(f, "scope response", engine.ScopeResponse().length(), m);
  RequireLength(f, "group delay curve", engine.GroupDelayCurve().length(), m);
  RequireLength(f, "group delay response", engine.GroupDelayResponse().length(), m);
  RequireLength(f, "flatness response", engine.FlatnessResponse().length(), m);
  RequireLength(f, "input signal", engine.InputSignal().length(), n);
  RequireLength(f, "output signal", engine.OutputSignal().length(), n);
  if (!f.Clean()) return;
  const bool three = engine.show3BitCells.value;
  RequireCutFrom(f, "input traces", engine.InputTraces(), engine.InputSignal(), bits, s, three);
  RequireCutFrom(f, "output traces", engine.OutputTraces(), engine.OutputSignal(), bits, s, three);
}

void CheckFrequencyAxis(Findings& f, SignalEngine& engine) {
  const Vector& axis = engine.FrequencyAxis();
  const int m = axis.length();
  const double spacing = engine.samplesPerBit.value * engine.bitrate.value / (2.0 * m);
  f.Require(m > 1 && axis[0] == 0.0, "frequency axis does not start at 0");
  for (int k = 1; k < m && f.Clean(); ++k)
    f.Require(std::abs(axis[k] - k * spacing) <= 1e-12 * k * spacing, "frequency ", k, " is ", axis[k],
              ", expected about ", k * spacing);
}

void CheckTraceTable(Findings& f, const char* what, const SampleTable& trace, const Vector& axis) {
  RequireLength(f, what, trace.ordinates.length(), axis.length());
  RequireLength(f, what, trace.abscissae.length(), axis.length());
  for (int k = 0; k < axis.length() && f.Clean(); ++k)
    f.Require(SameBits(trace.abscissae[k], axis[k]), what, " abscissa ", k, " is not the frequency axis");
}

void CheckSpectrum(Findings& f, const char* what, const SampleTable& trace) {
  RequireFinite(f, what, trace.ordinates);
  double peak = -INFINITY;
  for (int k = 0; k < trace.ordinates.length(); ++k) peak = std::fmax(peak, trace.ordinates[k]);
  f.Require(peak == 0.0, what, " peaks at ", peak, " dB");
}

void CheckMagnitude(Findings& f, SignalEngine& engine) {
  const Vector& db = engine.ScopeMagnitudeTrace().ordinates;
  const ComplexVector& scope = engine.ScopeResponse();
  const ComplexVector& delay = engine.GroupDelayResponse();
  const ComplexVector& flatness = engine.FlatnessResponse();
  for (int k = 0; k < db.length() && f.Clean(); ++k) {
    const bool zero = Magnitude((scope[k] * delay[k]) * flatness[k]) == 0.0;
    const bool minusInfinity = std::isinf(db[k]) && db[k] < 0.0;
    f.Require(zero ? minusInfinity : std::isfinite(db[k]), "scope magnitude ", k, " is ", db[k],
              zero ? " where the response is 0" : " where the response is not 0");
  }
  f.Require(db.length() > 0 && std::abs(db[0]) < 1e-9, "scope magnitude at DC is not 0 dB");
}

void CheckPhase(Findings& f, SignalEngine& engine) {
  const Vector& phase = engine.ScopePhaseTrace().ordinates;
  for (int k = 0; k < phase.length() && f.Clean(); ++k)
    f.Require(std::isfinite(phase[k]) && std::abs(phase[k]) <= 180.0 + 1e-9, "phase ", k, " is ", phase[k]);
  if (phase.length() < 2 || !f.Clean()) return;
  f.Require(std::abs(phase[0]) < 1e-9, "phase at DC is ", phase[0]);
  f.Require(std::abs(phase[1] - phase[0]) < 1e-9, "phase does not start flat: ", phase[0], ", ", phase[1]);
}

void CheckFinite(Findings& f, SignalEngine& engine) {
  RequireFinite(f, "waveform", engine.Waveform());
  RequireFinite(f, "waveform spectrum", engine.WaveformSpectrum());
  RequireFinite(f, "rise filter", engine.RiseFilter());
  RequireFinite(f, "rise response", engine.RiseResponse());
  RequireFinite(f, "input signal", engine.InputSignal());
  RequireFinite(f, "scope filter", engine.ScopeFilter());
  RequireFinite(f, "scope response", engine.ScopeResponse());
  RequireFinite(f, "group delay curve", engine.GroupDelayCurve());
  RequireFinite(f, "group delay response", engine.GroupDelayResponse());
  RequireFinite(f, "flatness filter", engine.FlatnessFilter());
  RequireFinite(f, "flatness response", engine.FlatnessResponse());
  RequireFinite(f, "output signal", engine.OutputSignal());
  const FitDiagnostics& d = engine.Diagnostics();
  f.Require(std::isfinite(d.powerLawAmplitude) && std::isfinite(d.powerLawExponent), "power law fit");
  RequireFinite(f, "flatness parameters", d.flatnessParameters);
  RequireFinite(f, "flatness target", d.flatnessTarget);
}

void CheckDcLevel(Findings& f, SignalEngine& engine) {
  const double waveform = Mean(engine.Waveform());
  const double input = Mean(engine.InputSignal());
  const double output = Mean(engine.OutputSignal());
  f.Require(std::abs(input - waveform) < 1e-12 && std::abs(output - waveform) < 1e-12,
            "mean levels: waveform ", waveform, ", input ", input, ", output ", output);
}

}  // namespace

AssertionResult HoldsInvariants(SignalEngine& engine) {
  Findings f;
  engine.OutputTraces();
  f.Require(!engine.Failed(), "the engine has failed");
  CheckShapes(f, engine);
  if (!f.Clean()) return f.Result();
  CheckFrequencyAxis(f, engine);
  const Vector& axis = engine.FrequencyAxis();
  CheckTraceTable(f, "scope magnitude", engine.ScopeMagnitudeTrace(), axis);
  CheckTraceTable(f, "scope phase", engine.ScopePhaseTrace(), axis);
  CheckTraceTable(f, "output spectrum", engine.OutputSpectrumTrace(), axis);
  CheckTraceTable(f, "input spectrum", engine.InputSpectrumTrace(), axis);
  CheckSpectrum(f, "output spectrum", engine.OutputSpectrumTrace());
  CheckSpectrum(f, "input spectrum", engine.InputSpectrumTrace());
  CheckMagnitude(f, engine);
  CheckPhase(f, engine);
  CheckFinite(f, engine);
  CheckDcLevel(f, engine);
  return f.Result();
}

}  // namespace tovan::property
