#include "engine/trace_table.h"

namespace tovan {
namespace {

double SampleOrZero(const Vector& signal, int i) { return i < signal.length() ? signal[i] : 0.0; }

Matrix OneCellTable(const Vector& signal, int bits, int samplesPerBit) {
  Matrix table(samplesPerBit, bits);
  int sample = 0;
  for (int j = 0; j < bits; ++j)
    for (int r = 0; r < samplesPerBit; ++r) table[r][j] = SampleOrZero(signal, sample++);
  return table;
}

Matrix ThreeCellTable(const Vector& signal, int bits, int samplesPerBit) {
  const int length = signal.length();
  Matrix previous(samplesPerBit, bits), current(samplesPerBit, bits), next(samplesPerBit, bits);
  int p = length - samplesPerBit;
  int q = 0;
  int x = samplesPerBit;
  // A signal shorter than one cell has no sensible wrap; start at its beginning.
  if (p < 0) p = 0;
  const auto advance = [length](int i) { return i + 1 > length - 1 ? 0 : i + 1; };
  for (int j = 0; j < bits; ++j) {
    for (int r = 0; r < samplesPerBit; ++r) {
      previous[r][j] = SampleOrZero(signal, p);
      current[r][j] = SampleOrZero(signal, q);
      next[r][j] = SampleOrZero(signal, x);
      ++q;
      p = advance(p);
      x = advance(x);
    }
  }
  return StackRows(StackRows(previous, current), next);
}

}  // namespace

Matrix BuildTraceTable(const Vector& signal, int bits, int samplesPerBit, bool threeCells) {
  if (threeCells) return ThreeCellTable(signal, bits, samplesPerBit);
  return OneCellTable(signal, bits, samplesPerBit);
}

}  // namespace tovan
