#include "engine/spectrum_db.h"

#include <cmath>

namespace tovan {

constexpr double kSpectrumFloorDb = -3000.0;

double FlooredDb(const Complex& value) {
  const double db = 20.0 * std::log10(Magnitude(value));
  return db < kSpectrumFloorDb ? kSpectrumFloorDb : db;
}

void NormalizeToPeak(Vector& db) {
  if (db.length() == 0) return;
  double peak = db[0];
  for (int k = 1; k < db.length(); ++k)
    if (db[k] > peak) peak = db[k];
  SubtractScalarInPlace(db, peak);
}

}  // namespace tovan
