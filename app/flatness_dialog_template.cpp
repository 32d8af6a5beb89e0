#include "app/flatness_dialog_template.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {1034, K::GroupBox, "Levels (dB)", {3, 3, 345, 93}},
    {1035, K::VerticalSlider, "", {16, 21, 29, 40}},
    {1046, K::ReadOnlyEdit, "", {17, 64, 26, 12}},
    {1036, K::CentredLabel, "1 Ghz", {21, 10, 22, 10}},
    {1059, K::PushButton, "zero", {20, 79, 20, 9}, false},
    {1003, K::VerticalSlider, "", {48, 21, 29, 40}},
    {1009, K::ReadOnlyEdit, "", {49, 64, 26, 12}},
    {1037, K::CentredLabel, "2 Ghz", {51, 10, 22, 10}},
    {1060, K::PushButton, "zero", {52, 79, 20, 9}, false},
    {1004, K::VerticalSlider, "", {80, 21, 29, 40}},
    {1012, K::ReadOnlyEdit, "", {81, 64, 26, 12}},
    {1038, K::CentredLabel, "3 Ghz", {83, 10, 22, 10}},
    {1061, K::PushButton, "zero", {84, 79, 20, 9}, false},
    {1005, K::VerticalSlider, "", {112, 21, 29, 40}},
    {1014, K::ReadOnlyEdit, "", {113, 64, 26, 12}},
    {1039, K::CentredLabel, "4 Ghz", {115, 10, 22, 10}},
    {1064, K::PushButton, "zero", {116, 79, 20, 9}, false},
    {1006, K::VerticalSlider, "", {144, 21, 29, 40}},
    {1016, K::ReadOnlyEdit, "", {146, 64, 26, 12}},
    {1040, K::CentredLabel, "5 Ghz", {147, 10, 22, 10}},
    {1066, K::PushButton, "zero", {148, 79, 20, 9}, false},
    {1019, K::VerticalSlider, "", {176, 21, 29, 40}},
    {1018, K::ReadOnlyEdit, "", {177, 64, 26, 12}},
    {1041, K::CentredLabel, "6 Ghz", {179, 10, 22, 10}},
    {1067, K::PushButton, "zero", {180, 79, 20, 9}, false},
    {1022, K::VerticalSlider, "", {208, 21, 29, 40}},
    {1021, K::ReadOnlyEdit, "", {209, 64, 26, 12}},
    {1042, K::CentredLabel, "7 Ghz", {211, 10, 22, 10}},
    {1068, K::PushButton, "zero", {212, 79, 20, 9}, false},
    {1026, K::VerticalSlider, "", {240, 21, 29, 40}},
    {1024, K::ReadOnlyEdit, "", {242, 64, 26, 12}},
    {1043, K::CentredLabel, "8 Ghz", {243, 10, 22, 10}},
    {1069, K::PushButton, "zero", {244, 79, 20, 9}, false},
    {1029, K::VerticalSlider, "", {272, 21, 29, 40}},
    {1028, K::ReadOnlyEdit, "", {273, 64, 26, 12}},
    {1044, K::CentredLabel, "9 Ghz", {275, 10, 22, 10}},
    {1070, K::PushButton, "zero", {276, 79, 20, 9}, false},
    {1032, K::VerticalSlider, "", {304, 21, 29, 40}},
    {1031, K::ReadOnlyEdit, "", {305, 64, 26, 12}},
    {1045, K::CentredLabel, "10 Ghz", {307, 10, 22, 10}},
    {1071, K::PushButton, "zero", {308, 79, 20, 9}, false},
    {1072, K::PushButton, "zero all", {158, 82, 32, 9}},
};

constexpr DialogTemplate kTemplate{139, "Flatness Adjust", "MS Shell Dlg", 8, 351, 99, kControls};

}  // namespace

const DialogTemplate& FlatnessDialogTemplate() { return kTemplate; }

}  // namespace tovan
