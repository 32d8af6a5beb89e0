#include "app/error_adjust_dlg.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

#include "app/dialog_builder.h"
#include "app/flatness_dialog_template.h"
#include "app/qt_binding_controls.h"
#include "app/scroll_notifications.h"
#include "app/side_dialog_frame.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/value_entry.h"
#include "engine/scope_preset_table.h"

namespace tovan {

CErrorAdjustDlg::CErrorAdjustDlg(CSimulatorDlg* parentDialog)
    : QDialog(parentDialog), mainDialog(parentDialog) {
  OnInitDialog();
}

CErrorAdjustDlg::~CErrorAdjustDlg() {
  for (auto& binding : bindings) binding.reset();
}

void CErrorAdjustDlg::OnInitDialog() {
  client = SetUpSideDialog(*this, FlatnessDialogTemplate());
  const RealRange range = mainDialog->App()->flatnessRange;
  SignalEngine& engine = mainDialog->Engine();
  for (int k = 0; k < kFlatnessLevelCount; ++k) {
    sliders[k] = FindControl<QSlider>(client, kFlatnessSliderIds[k]);
    edits[k] = FindControl<QLineEdit>(client, kFlatnessEditIds[k]);
    zeroButtons[k] = FindControl<QPushButton>(client, kFlatnessZeroIds[k]);
    controlAdapters.push_back(std::make_unique<SliderControl>(sliders[k]));
    textAdapters.push_back(std::make_unique<EditText>(edits[k]));
    bindings[k] = std::make_unique<CSliderBinding>(
        controlAdapters.back().get(), BindingKind::Slider, textAdapters.back().get(),
        &engine.flatnessLevels[k], range.max, range.min, range.step, 1.0);
    bindings[k]->Refresh();
    const int id = kFlatnessSliderIds[k];
    OnEveryScroll(sliders[k], this, [this, id] { OnVScroll(id); });
    // A typed level moves the slider and is then handled as a scroll of it.
    new ValueEntry(edits[k], sliders[k], [this, id, k](const std::string& text) {
      const std::string problem = bindings[k]->MoveToTyped(text);
      if (problem.empty()) OnVScroll(id);
      return problem;
    });
    connect(zeroButtons[k], &QPushButton::clicked, this, [this, k] { ZeroLevel(k + 1); });
  }
  zeroAllButton = FindControl<QPushButton>(client, kZeroAllId);
  connect(zeroAllButton, &QPushButton::clicked, this, &CErrorAdjustDlg::ZeroAll);
}

void CErrorAdjustDlg::OnVScroll(int controlId) {
  mainDialog->SelectPreset(kCustomPreset);
  for (int k = 0; k < kFlatnessLevelCount; ++k) {
    if (kFlatnessSliderIds[k] == controlId) {
      bindings[k]->ReadControl();
      return;
    }
  }
  QMessageBox::information(this, QString(), "Inavlid slider.");
}

void CErrorAdjustDlg::ZeroLevel(int k) {
  if (k < 1 || k > kFlatnessLevelCount) return;
  InputCell<double>& level = mainDialog->Engine().flatnessLevels[k - 1];
  if (level.value != 0.0) mainDialog->SelectPreset(kCustomPreset);
  level.Write(0.0);
  bindings[k - 1]->Refresh();
}

void CErrorAdjustDlg::ZeroAll() {
  for (int k = 1; k <= kFlatnessLevelCount; ++k) ZeroLevel(k);
}

void CErrorAdjustDlg::RefreshBindings() {
  for (auto& binding : bindings) binding->Refresh();
}

void CErrorAdjustDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  mainDialog->HideSideDialogLater(this);
}

}  // namespace tovan
