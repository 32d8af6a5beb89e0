#include "app/chooser_dialog_template.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kChooserControls[] = {
    {kNoControlId, K::GroupBox, "Mardel", {7, 3, 184, 27}},
    {kPresetRadioIds[0], K::RadioButton, "Tidewell 6 GHz", {17, 11, 77, 15}},
    {kPresetRadioIds[1], K::RadioButton, "w/ T520K probe", {100, 11, 67, 15}},
    {kNoControlId, K::GroupBox, "Brand A", {7, 35, 184, 27}},
    {kPresetRadioIds[2], K::RadioButton, "6Ghz Scope", {17, 43, 53, 15}},
    {kPresetRadioIds[3], K::RadioButton, "w/ 7GHz diff. probe", {100, 43, 78, 15}},
    {kNoControlId, K::GroupBox, "Brand B", {7, 68, 184, 43}},
    {kPresetRadioIds[4], K::RadioButton, "6 GHz Scope", {17, 76, 56, 15}},
    {kPresetRadioIds[5], K::RadioButton, "w/ 5 GHz diff probe", {100, 76, 77, 15}},
    {kPresetRadioIds[6], K::RadioButton, "7 GHz Scope", {17, 92, 56, 15}},
    {kPresetRadioIds[7], K::RadioButton, "w/ 5 GHz diff probe", {100, 92, 77, 15}},
    {kNoControlId, K::GroupBox, "", {7, 116, 184, 23}},
    {kCustomRadioId, K::RadioButton, "Custom", {17, 122, 44, 15}},
    {kOkButton, K::DefaultButton, "OK", {156, 129, 35, 9}, false},
    {kCancelButton, K::PushButton, "Cancel", {180, 7, 11, 9}, false},
};

constexpr DialogTemplate kChooserTemplate{141, "Scope Simulator", "MS Shell Dlg", 8, 198, 145, kChooserControls};

}  // namespace

const DialogTemplate& ChooserDialogTemplate() { return kChooserTemplate; }

}  // namespace tovan
