// Finds the pictures module beside the running program and calls it; a build without
// the desktop libraries has no module, and then says so.
#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "cli/pictures_module.h"
#include "cli/png_export.h"

namespace tovan {

namespace {

// Loaded at most once per process (later calls find it loaded) and never unloaded: Qt
// does not expect its libraries to go away.
WritePicturesFunction LoadWritePictures() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return nullptr;
  const std::string module = (program.parent_path() / kPicturesModuleName).string();
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  return reinterpret_cast<WritePicturesFunction>(dlsym(handle, kWritePicturesSymbol));
}

}  // namespace

bool PngExportAvailable() { return LoadWritePictures() != nullptr; }

std::string WritePngFiles(SignalEngine& engine, const CliOptions& options) {
  if (!options.pngTimePath && !options.pngFreqPath) return "";
  const WritePicturesFunction write = LoadWritePictures();
  if (!write) return "PNG export is not in this build (it was built without the desktop libraries)";
  std::string problem;
  write(engine, options, problem);
  return problem;
}

}  // namespace tovan
