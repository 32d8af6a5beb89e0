#include "app/main_dialog_template.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kMainControls[] = {
    {kNoControlId, K::GroupBox, "Input Signal Parameters", {9, 7, 161, 125}},
    {kBitrateGroup, K::GroupBox, "Bitrate", {41, 16, 48, 112}},
    {kBitrateSlider, K::VerticalSlider, "", {51, 31, 29, 62}},
    {kBitrateEdit, K::ReadOnlyEdit, "", {52, 96, 26, 12}},
    {kBitrateUnit, K::Label, "Gbps", {56, 111, 18, 11}},
    {kRisetimeGroup, K::GroupBox, "Risetime", {92, 16, 46, 112}},
    {kRisetimeSlider, K::VerticalSlider, "", {100, 31, 30, 62}},
    {kRisetimeEdit, K::ReadOnlyEdit, "", {102, 96, 26, 12}},
    {kRisetimeUnit, K::Label, "ps", {106, 111, 18, 11}},
    {kNoControlId, K::GroupBox, "Scope Parameters", {9, 138, 161, 125}},
    {kBandwidthGroup, K::GroupBox, "Bandwidth", {17, 147, 46, 112}},
    {kBandwidthSlider, K::VerticalSlider, "", {25, 162, 30, 62}},
    {kBandwidthEdit, K::ReadOnlyEdit, "", {27, 229, 26, 12}},
    {kBandwidthUnit, K::Label, "GHz", {31, 241, 18, 11}},
    {kRolloffGroup, K::GroupBox, "Rolloff", {67, 147, 46, 112}},
    {kRolloffSlider, K::VerticalSlider, "", {75, 162, 30, 62}},
    {kRolloffEdit, K::ReadOnlyEdit, "", {77, 229, 26, 12}},
    {kRolloffUnit, K::Label, "db/Dec", {77, 241, 26, 11}},
    {kGroupDelayGroup, K::GroupBox, "Group Delay", {117, 147, 46, 112}},
    {kGroupDelaySlider, K::VerticalSlider, "", {126, 162, 29, 62}},
    {kGroupDelayEdit, K::ReadOnlyEdit, "", {127, 229, 26, 12}},
    {kGroupDelayUnit, K::Label, "ps", {131, 241, 18, 11}},
    {kChooserToggle, K::ToggleButton, "Show Scope Simulator", {25, 266, 54, 20}},
    {kFlatnessToggle, K::ToggleButton, "Show Flatness Adjust Dialog", {102, 266, 53, 20}},
    {kTimePlot, K::BlackFrame, "", {178, 9, 217, 144}},
    {kFreqPlot, K::BlackFrame, "", {178, 163, 217, 101}},
    {kPrintColorsCheck, K::CheckBox, "Print Colors", {180, 271, 52, 13}},
    {kNoControlId, K::GroupBox, "Time Domain View", {402, 6, 87, 100}},
    {kTimeGridCheck, K::CheckBox, "Grid", {406, 17, 53, 13}},
    {kTimeInputCheck, K::CheckBox, "Input Bit Pattern", {406, 32, 77, 17}},
    {kTimeOutputCheck, K::CheckBox, "Scope-Affected Bit Pattern", {405, 49, 77, 17}},
    {kSamplesPerBitEdit, K::ReadOnlyEdit, "", {405, 68, 28, 13}},
    {kNoControlId, K::Label, "Samples Per Bit Cell", {440, 67, 41, 16}},
    {kSamplesPerBitSpin, K::SpinControl, "", {478, 108, 11, 11}},
    {kBitCellButton, K::PushButton, "Show 3 Bit Cells", {413, 87, 60, 14}},
    {kBitmap, K::Bitmap, ":/tovan/bitmap144.png", {401, 117, 88, 29}},
    {kNoControlId, K::GroupBox, "Freq Domain View", {402, 159, 87, 105}},
    {kFreqGridCheck, K::CheckBox, "Grid", {405, 168, 53, 13}},
    {kMagnitudeCheck, K::CheckBox, "Scope Mag. Response (dB)", {405, 181, 61, 17}},
    {kPhaseCheck, K::CheckBox, "Scope Phase Response (deg)", {405, 199, 64, 17}},
    {kInputSpectrumCheck, K::CheckBox, "Input Bit Pattern Spectrum (dB)", {405, 216, 69, 18}},
    {kOutputSpectrumCheck,
     K::CheckBox,
     "Scope-Affected Bit Pattern Spectrum (dB)",
     {405, 234, 64, 24}},
    {kOkButton, K::DefaultButton, "Exit", {376, 277, 50, 14}, false},
    {kCancelButton, K::PushButton, "Cancel", {439, 277, 50, 14}, false},
};

constexpr DialogTemplate kMainTemplate{102, "Tovan 1.0", "MS Sans Serif", 8, 495, 301, kMainControls};

}  // namespace

const DialogTemplate& MainDialogTemplate() { return kMainTemplate; }

}  // namespace tovan
