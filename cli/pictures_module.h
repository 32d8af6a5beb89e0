#pragma once

#include <string>

#include "cli/cli_options.h"
#include "engine/signal_engine.h"

namespace tovan {

// The pictures are drawn by a module of their own, loaded only when a picture is asked
// for: Qt and the libraries it brings take longer to load than a whole computation.
// The module sits beside the program under this name and exports one entry point.
inline constexpr const char* kPicturesModuleName = "tovan-cli-pictures.so";
inline constexpr const char* kWritePicturesSymbol = "TovanWritePictures";

// The entry point: as WritePngFiles (png_export.h), the failure line in `problem`.
using WritePicturesFunction = void (*)(SignalEngine& engine, const CliOptions& options,
                                       std::string& problem);

}  // namespace tovan
