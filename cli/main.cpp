#include <unistd.h>

#include <iostream>

#include "cli/command_line.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  const tovan::ParsedCommandLine command = tovan::ParseCommandLine(argc, argv);
  switch (command.kind) {
    case tovan::CommandKind::kHelp:
    case tovan::CommandKind::kVersion: std::cout << command.text; return 0;
    case tovan::CommandKind::kError: std::cerr << command.text << '\n'; return 2;
    case tovan::CommandKind::kRun: break;
  }
  return tovan::RunCommand(command.options, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
