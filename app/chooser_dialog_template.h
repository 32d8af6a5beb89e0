#pragma once

#include <array>

#include "app/dialog_template.h"

namespace tovan {

// Template 141, "Scope Simulator": the eight preset radio buttons and "Custom".
const DialogTemplate& ChooserDialogTemplate();

// Radio button ids of presets 0 ... 7, and of "Custom".
inline constexpr std::array<int, 8> kPresetRadioIds{1054, 1056, 1057, 1060, 1058, 1061, 1062, 1063};
inline constexpr int kCustomRadioId = 1059;

}  // namespace tovan
