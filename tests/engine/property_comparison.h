#pragma once

#include <gtest/gtest.h>

#include "engine/signal_engine.h"

namespace tovan::property {

// Every trace and every intermediate result of the two engines is the same bit for
// bit (NaNs by their bit patterns, -0 apart from +0), including which coefficient
// and factored forms the rational functions hold and the fit diagnostics. Reading
// the held forms derives nothing, so the comparison leaves both engines unchanged.
::testing::AssertionResult SameResults(SignalEngine& lazy, SignalEngine& fresh);

}  // namespace tovan::property
