#include "measure/bit_alignment.h"

#include <vector>

namespace tovan {
namespace {

std::vector<double> CellExcess(const Vector& signal, int bits, int samplesPerBit, double threshold) {
  std::vector<double> excess(bits);
  const double offset = samplesPerBit * threshold;
  for (int j = 0; j < bits; ++j) {
    double sum = 0.0;
    for (int r = 0; r < samplesPerBit; ++r) sum += signal[j * samplesPerBit + r];
    excess[j] = sum - offset;
  }
  return excess;
}

double MatchAt(const std::vector<double>& excess, const IntVector& bits, int lag) {
  const int count = bits.length();
  double score = 0.0;
  for (int j = 0; j < count; ++j) {
    const int source = j - lag < 0 ? j - lag + count : j - lag;
    score += bits[source] == 1 ? excess[j] : -excess[j];
  }
  return score;
}

}  // namespace

int CellLag(const Vector& signal, const IntVector& bits, int samplesPerBit, double threshold) {
  const std::vector<double> excess = CellExcess(signal, bits.length(), samplesPerBit, threshold);
  int best = 0;
  double bestScore = MatchAt(excess, bits, 0);
  for (int lag = 1; lag < bits.length(); ++lag) {
    const double score = MatchAt(excess, bits, lag);
    if (score > bestScore) {
      best = lag;
      bestScore = score;
    }
  }
  return best;
}

IntVector DelayBits(const IntVector& bits, int lag) {
  const int count = bits.length();
  IntVector delayed(count);
  for (int j = 0; j < count; ++j) {
    const long long source = ((static_cast<long long>(j) - lag) % count + count) % count;
    delayed[j] = bits[static_cast<int>(source)];
  }
  return delayed;
}

}  // namespace tovan
