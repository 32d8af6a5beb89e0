#pragma once

namespace tovan {

// The scales the two views draw on, in the traces' own units. The views draw no
// numbers; read-outs, scale strips and report figures put these around them.

// Time view: the slice (one or three bit cells) across 10 divisions; the level
// across 8 divisions from -1 V at the bottom edge to +1 V at the top.
inline constexpr int kTimeColumns = 10;
inline constexpr int kTimeRows = 8;
inline constexpr double kTimeTopVolts = 1.0;
inline constexpr double kTimeBottomVolts = -1.0;

// Frequency view: 0 to 10 GHz across 10 divisions; 10 rows shared by the spectra
// (0 dB top, -60 dB bottom), the phase (+-200 degrees) and the magnitude (+-5 dB).
inline constexpr int kFreqColumns = 10;
inline constexpr int kFreqRows = 10;
inline constexpr double kFreqRightGhz = 10.0;
inline constexpr double kSpectrumTopDb = 0.0;
inline constexpr double kSpectrumBottomDb = -60.0;
inline constexpr double kPhaseTopDegrees = 200.0;
inline constexpr double kPhaseBottomDegrees = -200.0;
inline constexpr double kMagnitudeTopDb = 5.0;
inline constexpr double kMagnitudeBottomDb = -5.0;

// ps per unit interval at a bitrate in Gbps (bits per ns).
inline constexpr double kPicosecondsPerNanosecond = 1000.0;

// The value at `fraction` (0 bottom or left edge, 1 top or right edge) of a scale
// running from `low` to `high`.
inline constexpr double ScaleValue(double fraction, double low, double high) {
  return low + fraction * (high - low);
}

}  // namespace tovan
