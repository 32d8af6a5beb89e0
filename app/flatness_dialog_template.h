#pragma once

#include <array>

#include "app/dialog_template.h"

namespace tovan {

// Template 139, "Flatness Adjust": ten level sliders with value boxes and labels,
// hidden per-level "zero" buttons and the "zero all" button.
const DialogTemplate& FlatnessDialogTemplate();

// Control ids of level k (index k - 1), from 1 GHz to 10 GHz.
inline constexpr std::array<int, 10> kFlatnessSliderIds{1035, 1003, 1004, 1005, 1006,
                                                        1019, 1022, 1026, 1029, 1032};
inline constexpr std::array<int, 10> kFlatnessEditIds{1046, 1009, 1012, 1014, 1016,
                                                      1018, 1021, 1024, 1028, 1031};
inline constexpr std::array<int, 10> kFlatnessZeroIds{1059, 1060, 1061, 1064, 1066,
                                                      1067, 1068, 1069, 1070, 1071};
inline constexpr std::array<int, 10> kFlatnessLabelIds{1036, 1037, 1038, 1039, 1040,
                                                       1041, 1042, 1043, 1044, 1045};
inline constexpr int kZeroAllId = 1072;
inline constexpr int kLevelsGroupId = 1034;

}  // namespace tovan
