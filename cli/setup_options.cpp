#include "cli/setup_options.h"

#include <memory>

#include "cli/engine_setup.h"
#include "setup/setup_engine.h"

namespace tovan {

Setup EffectiveSetup(const CliOptions& options) {
  const auto engine = std::make_unique<SignalEngine>();
  ConfigureEngine(*engine, options);
  int preset = kCustomPreset;
  if (options.applyPreset)
    preset = options.preset;
  else if (options.setup)
    preset = options.setup->preset;
  if (preset != kCustomPreset && !EngineHoldsPreset(*engine, preset)) preset = kCustomPreset;
  Setup setup =
      SetupFromEngine(*engine, preset, options.setup ? options.setup->views : SetupViews{});
  if (options.setup) {
    setup.response = options.setup->response;
    setup.statEye = options.setup->statEye;
  }
  return setup;
}

}  // namespace tovan
