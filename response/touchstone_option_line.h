#pragma once

#include <string>
#include <string_view>

namespace tovan {

enum class PairFormat { kRealImaginary, kMagnitudeAngle, kDbAngle };

// The settings of a Touchstone option line; the defaults are those of a file without one.
struct TouchstoneOptions {
  double unitsPerGhz = 1.0;  // a frequency in GHz is the file's value / unitsPerGhz
  PairFormat format = PairFormat::kMagnitudeAngle;
  double referenceOhms = 50.0;
};

// Reads the words after "#" (case-insensitive, any order) into options. Returns "" or
// what is wrong: a parameter type other than S, an unknown word, R without a number.
std::string ReadOptionLine(std::string_view words, TouchstoneOptions& options);

}  // namespace tovan
