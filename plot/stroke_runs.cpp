#include "plot/stroke_runs.h"

namespace tovan {

std::vector<std::vector<float>> ConnectedRuns(const PlotStroke& stroke) {
  std::vector<std::vector<float>> runs;
  const float* v = stroke.vertices.data();
  for (int k = 0; k < stroke.SegmentCount(); ++k, v += 4) {
    const bool continues = !runs.empty() && runs.back()[runs.back().size() - 2] == v[0] &&
                           runs.back().back() == v[1];
    if (continues)
      runs.back().insert(runs.back().end(), {v[2], v[3]});
    else
      runs.push_back({v[0], v[1], v[2], v[3]});
  }
  return runs;
}

}  // namespace tovan
