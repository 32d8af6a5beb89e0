#pragma once

#include <string>
#include <vector>

#include "numeric/complex.h"

namespace tovan {

// The S parameters of a Touchstone file: for frequency k (GHz, strictly increasing)
// the ports x ports matrix, row-major: S(i, j) from port j to port i, 1-based.
struct NetworkData {
  std::string format;  // "Touchstone 1.1" or "Touchstone 2.0"
  int ports = 0;
  std::vector<double> frequencies;
  std::vector<Complex> parameters;  // ports * ports per frequency

  Complex S(int frequency, int i, int j) const {
    return parameters[(static_cast<std::size_t>(frequency) * ports + (i - 1)) * ports + (j - 1)];
  }
};

}  // namespace tovan
