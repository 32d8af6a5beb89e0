#pragma once

#include <functional>

namespace tovan {

// Where an open stretch ends: for g(x) = log(BER(x)) - log(target), negative (open)
// at `inside`, the first x beyond `inside` in `direction` (+1 or -1) at which g reaches
// 0, to within `tolerance`.
//
// The search first tries `guess` (a previous answer, or any point beyond `inside`;
// otherwise one `step` beyond it): when g is still negative there it walks on in steps
// that double from `step`; when g is already at least 0 it walks back towards
// `inside` in the same doubling steps, down to `inside` itself. The bracket found is narrowed by false position with the Illinois
// modification until it is at most `tolerance` wide, and its middle is returned.
// When g stays negative for `reach` beyond `inside`, the answer is inside + direction *
// reach. Stretches in which g returns below 0 between `inside` and the bracket are not
// looked for: BER grows away from an eye's centre.
struct OpeningSearch {
  double inside;
  double guess;
  int direction;
  double step;
  double tolerance;
  double reach;
};
double OpeningEdge(const std::function<double(double)>& g, const OpeningSearch& search);

}  // namespace tovan
