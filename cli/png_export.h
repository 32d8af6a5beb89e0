#pragma once

#include <string>

#include "cli/cli_options.h"
#include "engine/signal_engine.h"

namespace tovan {

// The headless pictures of the two plot views. Only a build with the desktop plot
// library can draw them, through the pictures module (pictures_module.h) beside the
// program; the rest of the command line does not depend on it.

// True when this program can write the pictures (its pictures module loads).
bool PngExportAvailable();

// Writes what options ask for (pngTimePath, pngFreqPath): the views as the main
// window shows them at start-up, each plot pngWidth x pngHeight pixels, as report
// figures (plot/report_figure.h, titled with the settings) or, with barePictures,
// the plots alone. A path ending in ".svg" gets an SVG drawing, any other a PNG
// picture. Returns "" on success, else one line naming the file that could not be
// written (or saying that this build cannot draw).
std::string WritePngFiles(SignalEngine& engine, const CliOptions& options);

}  // namespace tovan
