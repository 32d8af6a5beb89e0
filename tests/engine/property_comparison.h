#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "engine/signal_engine.h"

namespace tovan::property {

// The same double to the last bit: NaNs by their bit patterns, -0 apart from +0.
inline bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Every trace and every intermediate result of the two engines is the same bit for
// bit (NaNs by their bit patterns, -0 apart from +0), including which coefficient
// and factored forms the rational functions hold and the fit diagnostics. Reading
// the held forms derives nothing, so the comparison leaves both engines unchanged.
::testing::AssertionResult SameResults(SignalEngine& lazy, SignalEngine& fresh);

}  // namespace tovan::property
