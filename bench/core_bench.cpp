// Toolkit timings: the transform at the default pattern size (128 bits x 32 samples)
// and at 256 samples per bit, beside a textbook radix-2 kernel as the yardstick, and the flatness fit of five zeros and five poles over
// the 101-point target grid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <utility>

#include "engine/flatness_start_guess.h"
#include "numeric/complex_vector.h"
#include "numeric/constants.h"
#include "optimize/rational_fit.h"
#include "transfer/factored_polynomial.h"
#include "transfer/fft.h"
#include "transfer/rational_function.h"

namespace tovan {
namespace {

ComplexVector Signal(int n) {
  ComplexVector x(n);
  for (int k = 0; k < n; ++k) x[k] = {std::sin(0.37 * k * k + 1.0), std::cos(1.3 * k)};
  return x;
}

void BM_ForwardTransform(benchmark::State& state) {
  const ComplexVector x = Signal(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ForwardTransform(x));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ForwardTransform)->Arg(4096)->Arg(32768);

// Times `transform(m, re, im)` in place on 2^m points, the input copied in untimed.
template <class Transform>
void TimeInPlaceFft(benchmark::State& state, Transform transform) {
  const int m = static_cast<int>(state.range(0));
  const int n = 1 << m;
  const ComplexVector x = Signal(n);
  RealArray re(n), im(n);
  for (auto _ : state) {
    state.PauseTiming();
    for (int k = 0; k < n; ++k) {
      re[k] = x[k].re;
      im[k] = x[k].im;
    }
    state.ResumeTiming();
    transform(m, re.data(), im.data());
    benchmark::DoNotOptimize(re.data());
  }
}

void BM_CoreFft(benchmark::State& state) {
  TimeInPlaceFft(state, [](int m, double* re, double* im) { Fft(1, m, re, im); });
}
BENCHMARK(BM_CoreFft)->Arg(12)->Arg(15);

// The yardstick for the core transform: a textbook iterative radix-2 on flat arrays,
// its twiddles from one cosine and sine per stage and a running product per block.
void TextbookFft(int m, double* re, double* im) {
  const int n = 1 << m;
  for (int i = 1, j = 0; i < n; ++i) {
    int bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) {
      std::swap(re[i], re[j]);
      std::swap(im[i], im[j]);
    }
  }
  for (int length = 2; length <= n; length <<= 1) {
    const double angle = -kTwoPi / length;
    const double stepRe = std::cos(angle);
    const double stepIm = std::sin(angle);
    const int half = length / 2;
    for (int block = 0; block < n; block += length) {
      double wr = 1.0;
      double wi = 0.0;
      for (int j = block; j < block + half; ++j) {
        const double tr = wr * re[j + half] - wi * im[j + half];
        const double ti = wr * im[j + half] + wi * re[j + half];
        re[j + half] = re[j] - tr;
        im[j + half] = im[j] - ti;
        re[j] += tr;
        im[j] += ti;
        const double next = wr * stepRe - wi * stepIm;
        wi = wr * stepIm + wi * stepRe;
        wr = next;
      }
    }
  }
}

void BM_TextbookFft(benchmark::State& state) { TimeInPlaceFft(state, TextbookFft); }
BENCHMARK(BM_TextbookFft)->Arg(12)->Arg(15);

// A gentle bump: +1 dB centred on 5 GHz, as linear ratios on 0 ... 10 GHz.
SampleTable BumpTarget() {
  SampleTable target;
  target.abscissae = Vector::Ramp(101, 0.0, 0.1);
  target.ordinates = Vector(101);
  for (int j = 0; j < 101; ++j) {
    const double x = (target.abscissae[j] - 5.0) / 2.0;
    target.ordinates[j] = std::pow(10.0, std::exp(-x * x) * 0.05);
  }
  return target;
}

void BM_RationalMagnitudeFit(benchmark::State& state) {
  const RationalFunction start = FlatnessStartGuess();
  start.NumeratorCoefficients();
  start.DenominatorCoefficients();
  const SampleTable target = BumpTarget();
  const Vector weights(101, 1.0);
  int iterations = 0;
  for (auto _ : state) {
    RationalFit fit(start, target, weights, 0.0004, 1000, false);
    benchmark::DoNotOptimize(fit.Fit());
    iterations = fit.iterationCount();
  }
  state.counters["fitIterations"] = iterations;
}
BENCHMARK(BM_RationalMagnitudeFit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tovan
