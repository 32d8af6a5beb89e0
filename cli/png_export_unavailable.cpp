// Stands in for png_export_qt.cpp in a build without the desktop libraries.
#include "cli/png_export.h"

namespace tovan {

bool PngExportAvailable() { return false; }

std::string WritePngFiles(SignalEngine&, const CliOptions& options) {
  if (!options.pngTimePath && !options.pngFreqPath) return "";
  return "PNG export is not in this build (it was built without the desktop libraries)";
}

}  // namespace tovan
