#pragma once

#include <filesystem>
#include <string>

#include "setup/setup.h"

namespace tovan {

// The setup as JSON text, one key per line in a fixed order, numbers in the shortest
// form that reads back as the identical double. A response file below folder is
// written relative to it, any other as an absolute path. ParseSetup of the text with
// the same folder gives the setup back.
std::string SetupText(const Setup& setup, const std::filesystem::path& folder);

// The folder a setup file's relative paths start from: its parent, or "." for a bare
// file name.
std::filesystem::path SetupFolder(const std::filesystem::path& path);

// Writes SetupText (with the file's folder) to a temporary file beside path and
// renames it over path, so a failed save leaves no broken file. Returns "" or one
// message naming the file and the reason.
std::string WriteSetupFile(const std::filesystem::path& path, const Setup& setup);

}  // namespace tovan
