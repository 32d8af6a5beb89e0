#include "cli/setup_options.h"

#include <filesystem>
#include <memory>

#include "cli/engine_setup.h"
#include "response/response_options.h"
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
  if (options.response)
    setup.response =
        ResponseSetup{std::filesystem::absolute(options.responseFile).lexically_normal().string(),
                      ResponseModeName(options.responseMode)};
  setup.statEye = options.statEyeSetup;
  return setup;
}

ResponseMode SetupResponseMode(const Setup& setup) {
  if (!setup.response) return ResponseMode::kReplace;
  return ParseResponseMode(setup.response->mode).value_or(ResponseMode::kReplace);
}

StatEyeSettings StatEyeSettingsFrom(const StatEyeSetup& setup) {
  constexpr double kVoltsPerMillivolt = 0.001;
  StatEyeSettings settings;
  settings.rj = setup.rjPs;
  settings.dj = setup.djPs;
  settings.noise = setup.noiseMv * kVoltsPerMillivolt;
  settings.targetBer = setup.ber;
  return settings;
}

}  // namespace tovan
