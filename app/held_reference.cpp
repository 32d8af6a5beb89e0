#include "app/held_reference.h"

namespace tovan {

HeldReference CaptureHeldReference(SignalEngine& engine) {
  HeldReference held;
  held.traces = CaptureReferenceTraces(engine);
  held.figures = MeasureEngineEye(engine);
  return held;
}

}  // namespace tovan
