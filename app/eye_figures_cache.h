#pragma once

#include <cstdint>
#include <optional>

#include "measure/engine_eye.h"

namespace tovan {

class SignalEngine;

// The eye figures of an engine's traces, measured again only when the traces have
// been recomputed since the last measurement (the engine's OutputStamp differs from
// the one kept). Measuring brings the engine up to date, so the stamp kept is the
// one after measuring: a change written but not yet computed by anyone is measured
// at the first Update after some accessor (a view's frame) has computed it.
class EyeFiguresCache {
 public:
  // Measures when there is nothing measured yet or the stamp has changed; true when
  // it measured.
  bool Update(SignalEngine& engine);

  const EyeComparison& Figures() const { return figures; }
  int MeasureCount() const { return measureCount; }

 private:
  std::optional<std::uint32_t> stamp;
  EyeComparison figures;
  int measureCount = 0;
};

}  // namespace tovan
