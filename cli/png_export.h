#pragma once

#include <string>

#include "cli/cli_options.h"
#include "engine/signal_engine.h"

namespace tovan {

// The headless pictures of the two plot views. Only a build with the desktop plot
// library can draw them; the rest of the command line does not depend on it.

// True when this program can write the pictures.
bool PngExportAvailable();

// Writes what options ask for (pngTimePath, pngFreqPath), each pngWidth x pngHeight
// pixels, the views as the main window shows them at start-up. Returns "" on
// success, else one line naming the file that could not be written (or saying that
// this build cannot draw).
std::string WritePngFiles(SignalEngine& engine, const CliOptions& options);

}  // namespace tovan
