#include "app/scope_chooser_dlg.h"

#include <QCloseEvent>
#include <QRadioButton>

#include "app/chooser_dialog_template.h"
#include "app/dialog_builder.h"
#include "app/side_dialog_frame.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "engine/scope_preset_table.h"

namespace tovan {

CScopeChooserDlg::CScopeChooserDlg(CSimulatorDlg* parentDialog)
    : QDialog(parentDialog), mainDialog(parentDialog) {
  OnInitDialog();
}

void CScopeChooserDlg::OnInitDialog() {
  QWidget* client = SetUpSideDialog(*this, ChooserDialogTemplate());
  for (int p = 0; p < kPresetCount; ++p) {
    presetButtons[p] = FindControl<QRadioButton>(client, kPresetRadioIds[p]);
    connect(presetButtons[p], &QRadioButton::clicked, this,
            [this, p] { mainDialog->SelectPreset(p); });
  }
  customButton = FindControl<QRadioButton>(client, kCustomRadioId);
  connect(customButton, &QRadioButton::clicked, this,
          [this] { mainDialog->SelectPreset(kCustomPreset); });
  if (!mainDialog || !mainDialog->App()) return;
  const int index = mainDialog->App()->presetIndex;
  if (index >= 0 && index < kPresetCount)
    presetButtons[index]->setChecked(true);
  else if (index == kCustomPreset)
    customButton->setChecked(true);
}

void CScopeChooserDlg::ShowCustomSelected() {
  if (!customButton || customButton->isChecked()) return;
  for (QRadioButton* button : presetButtons) button->setChecked(false);
  customButton->setChecked(true);
}

void CScopeChooserDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  mainDialog->HideSideDialogLater(this);
}

}  // namespace tovan
