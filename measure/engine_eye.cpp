#include "measure/engine_eye.h"

#include "engine/signal_engine.h"
#include "measure/measure_eye.h"

namespace tovan {

EyeFrame EngineEyeFrame(const SignalEngine& engine) {
  EyeFrame frame;
  frame.highLevel = engine.highLevel.value;
  frame.lowLevel = engine.lowLevel.value;
  frame.samplesPerBit = engine.samplesPerBit.value;
  frame.bitrate = engine.bitrate.value;
  frame.threeCells = engine.show3BitCells.value;
  return frame;
}

EyeComparison MeasureEngineEye(SignalEngine& engine) {
  const Matrix& inputTraces = engine.InputTraces();
  const Matrix& outputTraces = engine.OutputTraces();
  const IntVector& bits = engine.Sequence();
  const EyeFrame frame = EngineEyeFrame(engine);
  EyeComparison eye;
  eye.input = MeasureEye(inputTraces, bits, frame);
  eye.output = MeasureEye(outputTraces, bits, frame);
  eye.difference = Difference(eye.output, eye.input);
  return eye;
}

}  // namespace tovan
