#pragma once

#include "numeric/vector.h"

namespace tovan {

// A sampled curve: abscissae and ordinates, meant to be of equal length.
struct SampleTable {
  Vector abscissae;
  Vector ordinates;
};

}  // namespace tovan
