#include "transfer/cascade.h"

#include <algorithm>

namespace tovan {

void Cascade::Resize(int n) {
  sections.clear();
  sections.resize(static_cast<size_t>(std::max(n, 0)));
}

// A negative index converts to a huge one, which at() rejects as well.
void Cascade::SetSection(int i, const RationalFunction& r) {
  sections.at(static_cast<size_t>(i)) = r;
}

const RationalFunction& Cascade::Section(int i) const {
  return sections.at(static_cast<size_t>(i));
}

double Cascade::Magnitude(double f) const {
  double product = 1.0;
  for (const RationalFunction& section : sections) product = product * section.Magnitude(f);
  return product;
}

double Cascade::MagnitudeDb(double f) const { return MagnitudeToDb(Magnitude(f)); }

}  // namespace tovan
