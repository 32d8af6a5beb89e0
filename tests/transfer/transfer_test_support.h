#pragma once
// Helpers shared by the transfer tests:
//   Draws         reproducible uniform draws for the fuzz tests
//   TableOf       a sample table from two lists
//   NextPowerOfTwo

#include <cstdint>
#include <random>
#include <vector>

#include "transfer/sample_table.h"

namespace tovan::testing_support {

// Reproducible draws from one seed; the same seed gives the same cases on every machine.
class Draws {
 public:
  explicit Draws(std::uint32_t seed) : engine_(seed) {}
  double Uniform(double low, double high) { return low + (high - low) * (engine_() / 4294967296.0); }
  int Index(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  bool Coin() { return engine_() % 2 == 0; }

 private:
  std::mt19937 engine_;
};

inline SampleTable TableOf(const std::vector<double>& x, const std::vector<double>& y) {
  SampleTable t{Vector(static_cast<int>(x.size())), Vector(static_cast<int>(y.size()))};
  for (int k = 0; k < t.abscissae.length(); ++k) t.abscissae[k] = x[k];
  for (int k = 0; k < t.ordinates.length(); ++k) t.ordinates[k] = y[k];
  return t;
}

// The smallest power of two not below n (1 for n <= 1).
inline int NextPowerOfTwo(int n) {
  int p = 1;
  while (p < n) p *= 2;
  return p;
}

}  // namespace tovan::testing_support
