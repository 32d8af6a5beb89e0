#pragma once

#include <string>

#include "cli/cli_options.h"

namespace tovan {

enum class CommandKind { kRun, kHelp, kVersion, kError };

// kRun: options holds the checked request. kHelp and kVersion: text is what goes to
// stdout. kError: text is the one line for stderr naming the option and what it
// allows (the caller exits with 2).
struct ParsedCommandLine {
  CommandKind kind = CommandKind::kError;
  CliOptions options;
  std::string text;
};

// Reads argv[1 ... argc-1]. Refused, each with one line: unknown arguments, a missing
// value, an option given twice, --preset with --no-preset, --stages without --json, and
// any value that is malformed or outside its control's range (option_rules.h). The
// first problem found is the one reported.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace tovan
