#pragma once
// Unit factors for the numbers the window shows.

namespace tovan {

inline constexpr double kMillivoltsPerVolt = 1000.0;

}  // namespace tovan
