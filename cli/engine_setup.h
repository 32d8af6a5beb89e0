#pragma once

#include "cli/cli_options.h"
#include "engine/signal_engine.h"

namespace tovan {

// Writes the request into the engine's public cells as the desktop controls would:
// the setup file first (ApplySetup), then the preset (ApplyScopePreset, when
// applyPreset), then every explicit value, which overrides both. Risetime and group
// delay go in as ps / 1000.0 (ns); values are taken as given, not snapped to a
// slider's grid. Computes nothing.
void ConfigureEngine(SignalEngine& engine, const CliOptions& options);

// Writes one value of a sweep into an engine configured with options, as that option
// would have been written: a preset re-applies its row and then every explicit value
// of options; any other parameter writes its own cell only, so that the engine
// recomputes just what depends on it.
void WriteSweptValue(SignalEngine& engine, const CliOptions& options,
                     const SweptParameter& parameter, double value);

}  // namespace tovan
