#pragma once

#include <string>

#include "cli/cli_options.h"
#include "setup/setup.h"

namespace tovan {

// The setup the options put into the engine: the cells ConfigureEngine writes, with
// the preset number kept only while the scope cells still hold its row, and the
// views and optional blocks of --setup's file (the defaults without one). Computes
// nothing.
Setup EffectiveSetup(const CliOptions& options);

}  // namespace tovan
