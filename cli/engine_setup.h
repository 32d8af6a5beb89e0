#pragma once

#include "cli/cli_options.h"
#include "engine/signal_engine.h"

namespace tovan {

// Writes the request into the engine's public cells as the desktop controls would:
// the preset first (ApplyScopePreset, unless --no-preset), then every explicit value,
// which overrides it. Risetime and group delay go in as ps / 1000.0 (ns); values are
// taken as given, not snapped to a slider's grid. Computes nothing.
void ConfigureEngine(SignalEngine& engine, const CliOptions& options);

}  // namespace tovan
