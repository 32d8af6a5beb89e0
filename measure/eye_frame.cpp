#include "measure/eye_frame.h"

#include <cmath>

namespace tovan {

double Threshold(const EyeFrame& frame) { return (frame.highLevel + frame.lowLevel) * 0.5; }

double Swing(const EyeFrame& frame) { return frame.highLevel - frame.lowLevel; }

double SampleSpacingPs(const EyeFrame& frame) {
  // The order matters: the spacing is formed in ns first, then scaled to ps.
  const double spacingNs = 1.0 / (frame.samplesPerBit * frame.bitrate);
  return spacingNs * 1000.0;
}

bool IsUsable(const EyeFrame& frame) {
  return std::isfinite(frame.highLevel) && std::isfinite(frame.lowLevel) &&
         frame.highLevel > frame.lowLevel && frame.samplesPerBit >= 1 &&
         std::isfinite(frame.bitrate) && frame.bitrate > 0.0;
}

}  // namespace tovan
