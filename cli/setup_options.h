#pragma once

#include <string>

#include "cli/cli_options.h"
#include "setup/setup.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

// The setup the options put into the engine: the cells ConfigureEngine writes, with
// the preset number kept only while the scope cells still hold its row, the views
// of --setup's file (the defaults without one), and the response and statistical-eye
// blocks of whatever is in effect (a relative response file made absolute).
// Computes nothing.
Setup EffectiveSetup(const CliOptions& options);

// The statistical eye's settings for the values the controls show: noise mV * 0.001
// (the same product --noise makes, so a setup and the options agree bit for bit).
StatEyeSettings StatEyeSettingsFrom(const StatEyeSetup& setup);

// The mode of the setup's response block; replace without one (the reader admits
// only the names ParseResponseMode knows).
ResponseMode SetupResponseMode(const Setup& setup);

}  // namespace tovan
