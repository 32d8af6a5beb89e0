#include "stateye/ber_contours.h"

#include <map>
#include <utility>

namespace tovan {
namespace {

struct Segment {
  long long from, to;  // grid edge ids
};

// Grid edge ids: the horizontal edge right of corner (c, r) is 2k, the vertical edge
// above it 2k + 1, k = r * columns + c.
long long HorizontalEdge(const BerMap& m, int c, int r) { return 2LL * (static_cast<long long>(r) * m.columns + c); }
long long VerticalEdge(const BerMap& m, int c, int r) { return HorizontalEdge(m, c, r) + 1; }

ContourPoint EdgePoint(const BerMap& m, long long id, double level) {
  const long long k = id / 2;
  const int c = static_cast<int>(k % m.columns);
  const int r = static_cast<int>(k / m.columns);
  const bool vertical = id % 2 == 1;
  const int c2 = vertical ? c : c + 1;
  const int r2 = vertical ? r + 1 : r;
  const double a = m.at(c, r);
  const double b = m.at(c2, r2);
  const double f = a == b ? 0.5 : (level - a) / (b - a);
  return {m.phaseUi(c) + (m.phaseUi(c2) - m.phaseUi(c)) * f, m.volts(r) + (m.volts(r2) - m.volts(r)) * f};
}

void SquareSegments(const BerMap& m, int c, int r, double level, std::vector<Segment>& out) {
  const double v[4] = {m.at(c, r), m.at(c + 1, r), m.at(c + 1, r + 1), m.at(c, r + 1)};
  // Edges in corner order: bottom (0-1), right (1-2), top (2-3), left (3-0).
  const long long e[4] = {HorizontalEdge(m, c, r), VerticalEdge(m, c + 1, r), HorizontalEdge(m, c, r + 1),
                          VerticalEdge(m, c, r)};
  int mask = 0;
  for (int i = 0; i < 4; ++i) mask |= (v[i] < level ? 1 : 0) << i;
  if (mask == 0 || mask == 15) return;
  if (mask == 5 || mask == 10) {
    const bool centreBelow = (v[0] + v[1] + v[2] + v[3]) * 0.25 < level;
    // Corners 0 and 2 below (mask 5): joined through a centre below, else cut off.
    if ((mask == 5) == centreBelow) {
      out.push_back({e[0], e[1]});
      out.push_back({e[2], e[3]});
    } else {
      out.push_back({e[3], e[0]});
      out.push_back({e[1], e[2]});
    }
    return;
  }
  long long ends[2];
  int count = 0;
  for (int i = 0; i < 4; ++i)
    if (((mask >> i) & 1) != ((mask >> ((i + 1) % 4)) & 1)) ends[count++] = e[i];
  out.push_back({ends[0], ends[1]});
}

std::vector<std::vector<long long>> Chain(const std::vector<Segment>& segments) {
  std::multimap<long long, int> byEdge;
  for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
    byEdge.emplace(segments[i].from, i);
    byEdge.emplace(segments[i].to, i);
  }
  std::vector<bool> used(segments.size(), false);
  const auto next = [&](long long edge) -> int {
    auto [lo, hi] = byEdge.equal_range(edge);
    for (auto it = lo; it != hi; ++it) if (!used[it->second]) return it->second;
    return -1;
  };
  const auto walk = [&](long long edge, std::vector<long long>& chain) {
    for (int s = next(edge); s >= 0; s = next(edge)) {
      used[s] = true;
      edge = segments[s].from == edge ? segments[s].to : segments[s].from;
      chain.push_back(edge);
    }
  };
  std::vector<std::vector<long long>> chains;
  // Open lines start at an edge with one segment (the map's border); then the loops.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
      if (used[i]) continue;
      const long long start = segments[i].from;
      if (pass == 0 && byEdge.count(start) != 1) continue;
      std::vector<long long> chain{start};
      walk(start, chain);
      chains.push_back(std::move(chain));
    }
  }
  return chains;
}

bool Surrounds(const ContourLine& line, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = line.size() - 1; i < line.size(); j = i++) {
    const ContourPoint& a = line[i];
    const ContourPoint& b = line[j];
    if ((a[1] > y) != (b[1] > y) && x < a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1])) inside = !inside;
  }
  return inside;
}

}  // namespace

std::vector<ContourLine> MapContours(const BerMap& map, double level) {
  std::vector<Segment> segments;
  for (int r = 0; r + 1 < map.rows; ++r)
    for (int c = 0; c + 1 < map.columns; ++c) SquareSegments(map, c, r, level, segments);
  std::vector<ContourLine> lines;
  for (const std::vector<long long>& chain : Chain(segments)) {
    ContourLine line;
    for (long long edge : chain) line.push_back(EdgePoint(map, edge, level));
    lines.push_back(std::move(line));
  }
  return lines;
}

ContourLine LineAround(const std::vector<ContourLine>& lines, double phaseUi, double volts) {
  const ContourLine* best = nullptr;
  for (const ContourLine& line : lines) {
    const bool closed = line.size() > 2 && line.front() == line.back();
    if (closed && Surrounds(line, phaseUi, volts) && (!best || line.size() < best->size())) best = &line;
  }
  return best ? *best : ContourLine{};
}

}  // namespace tovan
