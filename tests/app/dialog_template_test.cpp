#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/chooser_dialog_template.h"
#include "app/flatness_dialog_template.h"
#include "app/main_dialog_template.h"

namespace tovan {
namespace {

const ControlTemplate* Find(const DialogTemplate& dialog, int id) {
  for (const ControlTemplate& control : dialog.controls)
    if (control.id == id) return &control;
  return nullptr;
}

class DialogTemplateTest : public ::testing::TestWithParam<const DialogTemplate* (*)()> {};

TEST_P(DialogTemplateTest, IdsAreUniqueAndControlsLieInsideTheDialog) {
  const DialogTemplate& dialog = *GetParam()();
  std::set<int> ids;
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id != -1) {
      EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    }
    EXPECT_GE(control.rect.x, 0) << control.id;
    EXPECT_GE(control.rect.y, 0) << control.id;
    EXPECT_LE(control.rect.x + control.rect.width, dialog.width) << control.id;
    EXPECT_LE(control.rect.y + control.rect.height, dialog.height) << control.id;
  }
}

const DialogTemplate* MainOne() { return &MainDialogTemplate(); }
const DialogTemplate* FlatnessOne() { return &FlatnessDialogTemplate(); }
const DialogTemplate* ChooserOne() { return &ChooserDialogTemplate(); }

INSTANTIATE_TEST_SUITE_P(All, DialogTemplateTest,
                         ::testing::Values(&MainOne, &FlatnessOne, &ChooserOne));

TEST(MainDialogTemplateTest, EveryDispatchedControlHasTheRightKind) {
  const DialogTemplate& dialog = MainDialogTemplate();
  EXPECT_STREQ(dialog.caption, "Tovan 1.0");
  EXPECT_EQ(dialog.width, 495);
  EXPECT_EQ(dialog.height, 301);
  for (int id :
       {kBitrateSlider, kRisetimeSlider, kBandwidthSlider, kRolloffSlider, kGroupDelaySlider})
    EXPECT_EQ(Find(dialog, id)->kind, ControlKind::VerticalSlider) << id;
  for (int id : {kBitrateEdit, kRisetimeEdit, kBandwidthEdit, kRolloffEdit, kGroupDelayEdit,
                 kSamplesPerBitEdit})
    EXPECT_EQ(Find(dialog, id)->kind, ControlKind::ReadOnlyEdit) << id;
  for (int id : {kTimeGridCheck, kTimeInputCheck, kTimeOutputCheck, kFreqGridCheck, kMagnitudeCheck,
                 kPhaseCheck, kInputSpectrumCheck, kOutputSpectrumCheck, kPrintColorsCheck})
    EXPECT_EQ(Find(dialog, id)->kind, ControlKind::CheckBox) << id;
  EXPECT_EQ(Find(dialog, kSamplesPerBitSpin)->kind, ControlKind::SpinControl);
  EXPECT_EQ(Find(dialog, kTimePlot)->kind, ControlKind::BlackFrame);
  EXPECT_EQ(Find(dialog, kFreqPlot)->kind, ControlKind::BlackFrame);
  EXPECT_STREQ(Find(dialog, kBitCellButton)->caption, "Show 3 Bit Cells");
  EXPECT_FALSE(Find(dialog, kOkButton)->visible);
  EXPECT_FALSE(Find(dialog, kCancelButton)->visible);
}

TEST(FlatnessDialogTemplateTest, TenLevelsWithHiddenZeroButtons) {
  const DialogTemplate& dialog = FlatnessDialogTemplate();
  EXPECT_STREQ(dialog.caption, "Flatness Adjust");
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(Find(dialog, kFlatnessSliderIds[k])->kind, ControlKind::VerticalSlider);
    EXPECT_EQ(Find(dialog, kFlatnessSliderIds[k])->rect.x, 16 + 32 * k);
    EXPECT_EQ(Find(dialog, kFlatnessEditIds[k])->kind, ControlKind::ReadOnlyEdit);
    EXPECT_FALSE(Find(dialog, kFlatnessZeroIds[k])->visible);
    EXPECT_EQ(std::string(Find(dialog, 1036 + k)->caption), std::to_string(k + 1) + " Ghz");
  }
  EXPECT_TRUE(Find(dialog, kZeroAllId)->visible);
  EXPECT_STREQ(Find(dialog, kZeroAllId)->caption, "zero all");
}

TEST(ChooserDialogTemplateTest, RadioCaptionsMatchThePresetRows) {
  const DialogTemplate& dialog = ChooserDialogTemplate();
  const char* captions[] = {"Tidewell 6 GHz",      "w/ T520K probe",     "6Ghz Scope",
                            "w/ 7GHz diff. probe", "6 GHz Scope",        "w/ 5 GHz diff probe",
                            "7 GHz Scope",         "w/ 5 GHz diff probe"};
  for (int p = 0; p < 8; ++p) {
    EXPECT_EQ(Find(dialog, kPresetRadioIds[p])->kind, ControlKind::RadioButton);
    EXPECT_STREQ(Find(dialog, kPresetRadioIds[p])->caption, captions[p]);
  }
  EXPECT_STREQ(Find(dialog, kCustomRadioId)->caption, "Custom");
}

}  // namespace
}  // namespace tovan
