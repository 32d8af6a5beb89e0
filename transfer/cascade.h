#pragma once

#include <vector>

#include "transfer/rational_function.h"

namespace tovan {

// Sections whose product is the overall response.
class Cascade {
 public:
  Cascade() = default;

  // Discards all sections and makes n empty ones.
  void Resize(int n);
  // Section i becomes a copy of r; i outside 0 ... Count()-1 throws std::out_of_range.
  void SetSection(int i, const RationalFunction& r);
  // Throws std::out_of_range outside 0 ... Count()-1.
  const RationalFunction& Section(int i) const;
  int Count() const { return static_cast<int>(sections.size()); }
  void Clear() { sections.clear(); }

  // Product of the section magnitudes in section order, starting from 1.0.
  double Magnitude(double f) const;
  // 20 log10 Magnitude(f), computed as for RationalFunction.
  double MagnitudeDb(double f) const;

 private:
  std::vector<RationalFunction> sections;
};

}  // namespace tovan
