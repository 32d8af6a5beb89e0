#pragma once

#include <QSize>
#include <QString>

#include "engine/control_ranges.h"
#include "engine/scope_preset_table.h"

namespace tovan {

// The application object: the constant data the dialogs need (control ranges and
// the preset table) and the current preset selection. It needs no toolkit object
// to be constructed, so the program can hold it as a global from before main.
class CSimulatorApp {
 public:
  // 0 ... 7 select a preset row, kCustomPreset means the scope settings match none.
  int presetIndex = 0;
  IntRange samplesPerBitRange = kControlRanges.samplesPerBitExponent;
  RealRange flatnessRange = kControlRanges.flatnessLevel;
  RealRange bitrateRange = kControlRanges.bitrate;
  IntRange risetimeRange = kControlRanges.risetime;
  RealRange bandwidthRange = kControlRanges.bandwidth;
  RealRange rolloffRange = kControlRanges.rolloff;
  IntRange groupDelayRange = kControlRanges.groupDelay;
  const ScopePresetTable& presets = kScopePresets;

  // When set, the main dialog is captured to this PNG after the plots' first two
  // timer ticks and closed, instead of waiting for the user.
  QString screenshotPath;
  // When valid, the main dialog starts at this size (at least the template's).
  QSize windowSize;
  // When set, this setup file is opened before the main dialog shows. A refused file
  // shows its message in a box and the window starts from the defaults; with a
  // screenshot asked for, the message goes to stderr and nothing is captured.
  QString setupPath;
  // 2 when the setup file of a screenshot run was refused, else 0.
  int exitCode = 0;

  // Runs the main dialog modally; false: the program ends when it closes.
  bool InitInstance();
};

}  // namespace tovan
