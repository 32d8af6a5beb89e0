#include "app/main_dialog_template.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {-1, K::GroupBox, "Input Signal Parameters", {9, 7, 161, 125}},
    {1008, K::GroupBox, "Bitrate", {41, 16, 48, 112}},
    {1002, K::VerticalSlider, "", {51, 31, 29, 62}},
    {1007, K::ReadOnlyEdit, "", {52, 96, 26, 12}},
    {1009, K::Label, "Gbps", {56, 111, 18, 11}},
    {1011, K::GroupBox, "Risetime", {92, 16, 46, 112}},
    {1003, K::VerticalSlider, "", {100, 31, 30, 62}},
    {1010, K::ReadOnlyEdit, "", {102, 96, 26, 12}},
    {1012, K::Label, "ps", {106, 111, 18, 11}},
    {-1, K::GroupBox, "Scope Parameters", {9, 138, 161, 125}},
    {1014, K::GroupBox, "Bandwidth", {17, 147, 46, 112}},
    {1004, K::VerticalSlider, "", {25, 162, 30, 62}},
    {1013, K::ReadOnlyEdit, "", {27, 229, 26, 12}},
    {1015, K::Label, "GHz", {31, 241, 18, 11}},
    {1017, K::GroupBox, "Rolloff", {67, 147, 46, 112}},
    {1005, K::VerticalSlider, "", {75, 162, 30, 62}},
    {1016, K::ReadOnlyEdit, "", {77, 229, 26, 12}},
    {1018, K::Label, "db/Dec", {77, 241, 26, 11}},
    {1019, K::GroupBox, "Group Delay", {117, 147, 46, 112}},
    {1006, K::VerticalSlider, "", {126, 162, 29, 62}},
    {1020, K::ReadOnlyEdit, "", {127, 229, 26, 12}},
    {1022, K::Label, "ps", {131, 241, 18, 11}},
    {1055, K::ToggleButton, "Show Scope Simulator", {25, 266, 54, 20}},
    {1048, K::ToggleButton, "Show Flatness Adjust Dialog", {102, 266, 53, 20}},
    {1021, K::BlackFrame, "", {178, 9, 217, 144}},
    {1027, K::BlackFrame, "", {178, 163, 217, 101}},
    {1061, K::CheckBox, "Print Colors", {180, 271, 52, 13}},
    {-1, K::GroupBox, "Time Domain View", {402, 6, 87, 100}},
    {1023, K::CheckBox, "Grid", {406, 17, 53, 13}},
    {1025, K::CheckBox, "Input Bit Pattern", {406, 32, 77, 17}},
    {1031, K::CheckBox, "Scope-Affected Bit Pattern", {405, 49, 77, 17}},
    {1051, K::ReadOnlyEdit, "", {405, 68, 28, 13}},
    {-1, K::Label, "Samples Per Bit Cell", {440, 67, 41, 16}},
    {1053, K::SpinControl, "", {478, 108, 11, 11}},
    {1058, K::PushButton, "Show 3 Bit Cells", {413, 87, 60, 14}},
    {1060, K::Bitmap, ":/tovan/bitmap144.png", {401, 117, 88, 29}},
    {-1, K::GroupBox, "Freq Domain View", {402, 159, 87, 105}},
    {1024, K::CheckBox, "Grid", {405, 168, 53, 13}},
    {1026, K::CheckBox, "Scope Mag. Response (dB)", {405, 181, 61, 17}},
    {1028, K::CheckBox, "Scope Phase Response (deg)", {405, 199, 64, 17}},
    {1029, K::CheckBox, "Input Bit Pattern Spectrum (dB)", {405, 216, 69, 18}},
    {1030, K::CheckBox, "Scope-Affected Bit Pattern Spectrum (dB)", {405, 234, 64, 24}},
    {1, K::DefaultButton, "Exit", {376, 277, 50, 14}, false},
    {2, K::PushButton, "Cancel", {439, 277, 50, 14}, false},
};

constexpr DialogTemplate kTemplate{102, "Tovan 1.0", "MS Sans Serif", 8, 495, 301, kControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() { return kTemplate; }

}  // namespace tovan
