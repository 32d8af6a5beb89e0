#pragma once

#include "app/dialog_template.h"

namespace tovan {

// Template 102, the main dialog "Tovan 1.0".
const DialogTemplate& MainDialogTemplate();

// The main dialog's control ids (the template's numbers).
enum MainControlId : int {
  kBitrateSlider = 1002,
  kRisetimeSlider = 1003,
  kBandwidthSlider = 1004,
  kRolloffSlider = 1005,
  kGroupDelaySlider = 1006,
  kBitrateEdit = 1007,
  kBitrateGroup = 1008,
  kBitrateUnit = 1009,
  kRisetimeEdit = 1010,
  kRisetimeGroup = 1011,
  kRisetimeUnit = 1012,
  kBandwidthEdit = 1013,
  kBandwidthGroup = 1014,
  kBandwidthUnit = 1015,
  kRolloffEdit = 1016,
  kRolloffGroup = 1017,
  kRolloffUnit = 1018,
  kGroupDelayGroup = 1019,
  kGroupDelayEdit = 1020,
  kTimePlot = 1021,
  kGroupDelayUnit = 1022,
  kTimeGridCheck = 1023,
  kFreqGridCheck = 1024,
  kTimeInputCheck = 1025,
  kMagnitudeCheck = 1026,
  kFreqPlot = 1027,
  kPhaseCheck = 1028,
  kInputSpectrumCheck = 1029,
  kOutputSpectrumCheck = 1030,
  kTimeOutputCheck = 1031,
  kFlatnessToggle = 1048,
  kSamplesPerBitEdit = 1051,
  kSamplesPerBitSpin = 1053,
  kChooserToggle = 1055,
  kBitCellButton = 1058,
  kBitmap = 1060,
  kPrintColorsCheck = 1061,
};

}  // namespace tovan
