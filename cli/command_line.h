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
// value, an option given twice, --preset with --no-preset, --sweep with --csv, --stages
// or a picture, --stages without --json, --width or --height without a picture, a
// picture in a build that cannot draw (png_export.h), any value that is malformed or
// outside its control's range (option_rules.h), a sweep that ParseSweep refuses, and a
// sweep of an option also given (the preset also with --no-preset, a flatness level
// with --flatness), --response-mode or --response-pairing without --response. When all
// else is in order the --response file is read (response_file.h) into the options; a
// file the reader refuses gives its one line (file, line, what is wrong). The first
// problem found is the one reported.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace tovan
