#pragma once

#include <functional>

namespace tovan {

// Where an open stretch ends: for g(x) negative (open) at `inside` and reaching 0 where
// BER(x) reaches the target (an increasing function of BER, best one nearly straight
// across the edge), the first x beyond `inside` in `direction` (+1 or -1) at which g
// reaches 0, to within `tolerance`.
//
// The search first tries `guess` (a previous answer, or any point beyond `inside`;
// otherwise one `step` beyond it): when g is still negative there it walks on, first by
// `step`; when g is already at least 0 it walks back towards `inside` by `step`, down
// to `inside` itself. Each later step reaches a quarter beyond where the secant
// through the last two points puts the root, or doubles when that secant does not
// lead towards it. The bracket found is narrowed by false position with the Illinois
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
