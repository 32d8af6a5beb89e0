#pragma once

#include <string>
#include <vector>

namespace tovan::cli_test {

struct ProcessResult {
  int exitCode = -1;  // -1 when the program could not be started or did not exit normally
  std::string out;
  std::string err;
};

// Runs program with args (no shell, so empty and odd arguments pass unchanged) and
// collects its stdout and stderr through temporary files.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);

// The tovan-cli built beside these tests.
ProcessResult RunCli(const std::vector<std::string>& args);

}  // namespace tovan::cli_test
