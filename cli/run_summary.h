#pragma once

#include <string>

#include "engine/signal_engine.h"

namespace tovan {

// A few human-readable lines on the settings (in the controls' units) and the shapes
// of the results, for a run without --json or --csv.
std::string RunSummary(SignalEngine& engine);

}  // namespace tovan
