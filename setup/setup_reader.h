#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "setup/setup.h"

namespace tovan {

// A setup read in full, or the one message saying why the file was refused.
struct SetupReading {
  std::optional<Setup> setup;
  std::string error;  // "FILE: "KEY": what is wrong (allowed: ...)" when refused
};

// Reads a whole setup text strictly; label names the file in the message and folder
// is where a relative response file is looked for. Refused, each with one message
// naming the key: text that is not JSON (with line and column), a root that is not
// an object or has no "tovanSetup", a version newer than kSetupVersion or not a
// positive whole number, an unknown, repeated or missing key, a value of the wrong
// type, a value outside its control's range, samples per bit other than 16, 32, 64,
// 128 or 256, a flatness list that is not ten levels, a preset number whose scope
// values differ from that preset's row, and in the optional blocks an empty response
// file, an unknown response mode, negative jitter or noise or a BER outside (0, 0.5).
// Nothing is returned unless every key is valid.
SetupReading ParseSetup(std::string_view text, std::string_view label,
                        const std::filesystem::path& folder);

// Reads the file at path (at most kMaxSetupBytes) and parses it as above, with the
// path as label and its folder for relative response files. A missing, unreadable
// or oversized file is refused with one message too.
SetupReading ReadSetupFile(const std::filesystem::path& path);

inline constexpr std::size_t kMaxSetupBytes = 1 << 20;

}  // namespace tovan
