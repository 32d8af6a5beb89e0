#include "app/eye_figures_cache.h"

#include "engine/signal_engine.h"

namespace tovan {

bool EyeFiguresCache::Update(SignalEngine& engine) {
  if (stamp && *stamp == engine.OutputStamp()) return false;
  figures = MeasureEngineEye(engine);
  stamp = engine.OutputStamp();
  ++measureCount;
  return true;
}

}  // namespace tovan
