#pragma once

#include <string>
#include <vector>

#include "numeric/complex.h"

namespace tovan {

// A measured thru response as read from a file: strictly increasing frequencies in
// GHz (at least two) with one complex response value each, and where it came from.
struct ResponseTable {
  std::string file;    // the name as given
  std::string format;  // "Touchstone 1.1", "Touchstone 2.0", "CSV" or "CSV, minimum phase"
  int ports = 0;       // of a Touchstone file; 0 for CSV
  std::vector<double> frequencies;  // GHz
  std::vector<Complex> values;

  bool operator==(const ResponseTable&) const = default;
};

// How a loaded response enters the scope: in place of the modelled scope filter, or
// in front of it (a probe or fixture multiplying it).
enum class ResponseMode { kReplace, kCascade };

// "replace" or "cascade".
const char* ResponseModeName(ResponseMode mode);

}  // namespace tovan
