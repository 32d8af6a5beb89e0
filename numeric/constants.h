#pragma once

// The program's numeric constants are these decimal literals, not the full
// double-precision values: every result downstream is compared to the last bit.
namespace tovan {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kMinusTwoPi = -6.28318530717958;
inline constexpr double kInverseTwoPi = 0.1591549430918955;
inline constexpr double kMinusInversePi = -0.318309886183791;
inline constexpr double kRadiansPerDegree = 0.017453292519943278;
inline constexpr double kDegreesPerRadian = 57.29577951308238;

}  // namespace tovan
