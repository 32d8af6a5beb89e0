#include "cli/run_command.h"

#include <memory>

#include "cli/csv_export.h"
#include "cli/engine_document.h"
#include "cli/engine_setup.h"
#include "cli/run_summary.h"

namespace tovan {

int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const auto engine = std::make_unique<SignalEngine>();
  ConfigureEngine(*engine, options);
  if (options.json) {
    const std::string document = EngineDocument(*engine, options.stages);
    out.write(document.data(), static_cast<std::streamsize>(document.size()));
    out << '\n';
  }
  if (options.csvDirectory) {
    const std::string problem = WriteCsvFiles(*engine, *options.csvDirectory);
    if (!problem.empty()) {
      err << "tovan-cli: " << problem << '\n';
      return 1;
    }
  }
  if (!options.json && !options.csvDirectory) out << RunSummary(*engine);
  out.flush();
  if (engine->Failed()) {
    err << "tovan-cli: the computation failed; the results written are those of the last "
           "stages that finished\n";
    return 1;
  }
  return 0;
}

}  // namespace tovan
