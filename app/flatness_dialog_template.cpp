#include "app/flatness_dialog_template.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kFlatnessControls[] = {
    {kLevelsGroupId, K::GroupBox, "Levels (dB)", {3, 3, 345, 93}},
    {kFlatnessSliderIds[0], K::VerticalSlider, "", {16, 21, 29, 40}},
    {kFlatnessEditIds[0], K::ReadOnlyEdit, "", {17, 64, 26, 12}},
    {kFlatnessLabelIds[0], K::CentredLabel, "1 Ghz", {21, 10, 22, 10}},
    {kFlatnessZeroIds[0], K::PushButton, "zero", {20, 79, 20, 9}, false},
    {kFlatnessSliderIds[1], K::VerticalSlider, "", {48, 21, 29, 40}},
    {kFlatnessEditIds[1], K::ReadOnlyEdit, "", {49, 64, 26, 12}},
    {kFlatnessLabelIds[1], K::CentredLabel, "2 Ghz", {51, 10, 22, 10}},
    {kFlatnessZeroIds[1], K::PushButton, "zero", {52, 79, 20, 9}, false},
    {kFlatnessSliderIds[2], K::VerticalSlider, "", {80, 21, 29, 40}},
    {kFlatnessEditIds[2], K::ReadOnlyEdit, "", {81, 64, 26, 12}},
    {kFlatnessLabelIds[2], K::CentredLabel, "3 Ghz", {83, 10, 22, 10}},
    {kFlatnessZeroIds[2], K::PushButton, "zero", {84, 79, 20, 9}, false},
    {kFlatnessSliderIds[3], K::VerticalSlider, "", {112, 21, 29, 40}},
    {kFlatnessEditIds[3], K::ReadOnlyEdit, "", {113, 64, 26, 12}},
    {kFlatnessLabelIds[3], K::CentredLabel, "4 Ghz", {115, 10, 22, 10}},
    {kFlatnessZeroIds[3], K::PushButton, "zero", {116, 79, 20, 9}, false},
    {kFlatnessSliderIds[4], K::VerticalSlider, "", {144, 21, 29, 40}},
    {kFlatnessEditIds[4], K::ReadOnlyEdit, "", {146, 64, 26, 12}},
    {kFlatnessLabelIds[4], K::CentredLabel, "5 Ghz", {147, 10, 22, 10}},
    {kFlatnessZeroIds[4], K::PushButton, "zero", {148, 79, 20, 9}, false},
    {kFlatnessSliderIds[5], K::VerticalSlider, "", {176, 21, 29, 40}},
    {kFlatnessEditIds[5], K::ReadOnlyEdit, "", {177, 64, 26, 12}},
    {kFlatnessLabelIds[5], K::CentredLabel, "6 Ghz", {179, 10, 22, 10}},
    {kFlatnessZeroIds[5], K::PushButton, "zero", {180, 79, 20, 9}, false},
    {kFlatnessSliderIds[6], K::VerticalSlider, "", {208, 21, 29, 40}},
    {kFlatnessEditIds[6], K::ReadOnlyEdit, "", {209, 64, 26, 12}},
    {kFlatnessLabelIds[6], K::CentredLabel, "7 Ghz", {211, 10, 22, 10}},
    {kFlatnessZeroIds[6], K::PushButton, "zero", {212, 79, 20, 9}, false},
    {kFlatnessSliderIds[7], K::VerticalSlider, "", {240, 21, 29, 40}},
    {kFlatnessEditIds[7], K::ReadOnlyEdit, "", {242, 64, 26, 12}},
    {kFlatnessLabelIds[7], K::CentredLabel, "8 Ghz", {243, 10, 22, 10}},
    {kFlatnessZeroIds[7], K::PushButton, "zero", {244, 79, 20, 9}, false},
    {kFlatnessSliderIds[8], K::VerticalSlider, "", {272, 21, 29, 40}},
    {kFlatnessEditIds[8], K::ReadOnlyEdit, "", {273, 64, 26, 12}},
    {kFlatnessLabelIds[8], K::CentredLabel, "9 Ghz", {275, 10, 22, 10}},
    {kFlatnessZeroIds[8], K::PushButton, "zero", {276, 79, 20, 9}, false},
    {kFlatnessSliderIds[9], K::VerticalSlider, "", {304, 21, 29, 40}},
    {kFlatnessEditIds[9], K::ReadOnlyEdit, "", {305, 64, 26, 12}},
    {kFlatnessLabelIds[9], K::CentredLabel, "10 Ghz", {307, 10, 22, 10}},
    {kFlatnessZeroIds[9], K::PushButton, "zero", {308, 79, 20, 9}, false},
    {kZeroAllId, K::PushButton, "zero all", {158, 82, 32, 9}},
};

constexpr DialogTemplate kFlatnessTemplate{139, "Flatness Adjust", "MS Shell Dlg", 8, 351, 99, kFlatnessControls};

}  // namespace

const DialogTemplate& FlatnessDialogTemplate() { return kFlatnessTemplate; }

}  // namespace tovan
