#pragma once

namespace tovan {

// A control's range in the units it displays: maximum, minimum, step.
struct RealRange {
  double max;
  double min;
  double step;
};

struct IntRange {
  int max;
  int min;
  int step;
};

// The ranges of every control; shared by the desktop application and the command line.
struct ControlRanges {
  IntRange samplesPerBitExponent{8, 4, 1};  // the spin control shows 2^position: 16 ... 256
  RealRange flatnessLevel{5.0, -5.0, 0.5};  // dB
  RealRange bitrate{6.0, 1.0, 0.005};       // Gbps
  IntRange risetime{600, 10, 1};            // ps
  RealRange bandwidth{20.0, 1.0, 0.1};      // GHz
  RealRange rolloff{480.0, 0.0, 20.0};      // dB per decade
  IntRange groupDelay{300, -300, 1};        // ps
};

inline constexpr ControlRanges kControlRanges{};

}  // namespace tovan
