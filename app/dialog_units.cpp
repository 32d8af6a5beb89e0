#include "app/dialog_units.h"

#include <cstdint>

namespace tovan {

int AverageCharWidth(int alphabetAdvance) { return (alphabetAdvance + 26) / 52; }

int MulDivRounded(int value, int numerator, int denominator) {
  if (denominator == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t divisor = denominator;
  const bool negative = (product < 0) != (divisor < 0);
  const std::int64_t absDivisor = divisor < 0 ? -divisor : divisor;
  const std::int64_t absProduct = product < 0 ? -product : product;
  const std::int64_t quotient = (absProduct + absDivisor / 2) / absDivisor;
  return static_cast<int>(negative ? -quotient : quotient);
}

int DialogXToPixels(int x, DialogBaseUnits units) { return MulDivRounded(x, units.baseX, 4); }

int DialogYToPixels(int y, DialogBaseUnits units) { return MulDivRounded(y, units.baseY, 8); }

PixelRect DialogToPixels(DialogRect rect, DialogBaseUnits units) {
  const int left = DialogXToPixels(rect.x, units);
  const int top = DialogYToPixels(rect.y, units);
  const int right = DialogXToPixels(rect.x + rect.width, units);
  const int bottom = DialogYToPixels(rect.y + rect.height, units);
  return {left, top, right - left, bottom - top};
}

}  // namespace tovan
