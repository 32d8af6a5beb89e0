#pragma once
// The engine's modelled scope filter written out as a measured two-port would be, for
// reading it back in tests and benchmarks.

#include <cstdio>
#include <string>

#include "engine/signal_engine.h"
#include "numeric/constants.h"

namespace tovan::testing_support {

// The scope filter's S21 at 0.01 ... 40 GHz (4,000 points), RI, GHz, 50 ohm.
inline std::string ModelFilterAsS2p(SignalEngine& modelled) {
  const RationalFunction& filter = modelled.ScopeFilter();
  std::string text = "! the modelled scope filter\n# GHz S RI R 50\n";
  char line[160];
  for (int k = 1; k <= 4000; ++k) {
    const double f = k * 0.01;
    const Complex h = filter.ResponseAt(Complex{0.0, kTwoPi} * Complex{f, 0.0});
    std::snprintf(line, sizeof line, "%.3f 0 0 %.17g %.17g 0 0 0 0\n", f, h.re, h.im);
    text += line;
  }
  return text;
}

}  // namespace tovan::testing_support
