#pragma once

namespace tovan {

struct RgbColor {
  float red;
  float green;
  float blue;

  friend constexpr bool operator==(const RgbColor&, const RgbColor&) = default;
};

// Both views use these in both background schemes; only the background changes.
inline constexpr RgbColor kNormalBackground{0.0f, 0.0f, 0.0f};
inline constexpr RgbColor kPrintBackground{1.0f, 1.0f, 1.0f};
inline constexpr RgbColor kGridColor{0.5f, 0.5f, 0.5f};
inline constexpr RgbColor kOrangeTrace{1.0f, 0.543f, 0.0f};
inline constexpr RgbColor kBlueTrace{0.28125f, 0.516f, 0.797f};
inline constexpr RgbColor kGreenTrace{0.196f, 0.804f, 0.196f};
inline constexpr RgbColor kCrimsonTrace{0.863f, 0.078f, 0.235f};

inline constexpr RgbColor BackgroundColor(bool printColors) {
  return printColors ? kPrintBackground : kNormalBackground;
}

}  // namespace tovan
