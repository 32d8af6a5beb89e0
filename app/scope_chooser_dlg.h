#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

namespace tovan {

class CSimulatorDlg;

// The modeless "Scope Simulator" dialog (template 141): one radio button per preset
// row plus "Custom", all in one group. A click selects that preset through the
// main dialog; the main dialog calls ShowCustomSelected when a scope control was
// moved by hand. Escape does nothing; closing the window (a close box a window
// manager may add) hides it as the main dialog's toggle does.
class CScopeChooserDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CScopeChooserDlg(CSimulatorDlg* mainDialog);

  // Checks "Custom" (and so unchecks the presets) unless it is checked already.
  void ShowCustomSelected();

  QRadioButton* PresetButton(int preset) const { return presetButtons[preset]; }
  QRadioButton* CustomButton() const { return customButton; }

 protected:
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnInitDialog();

  CSimulatorDlg* mainDialog;
  std::array<QRadioButton*, 8> presetButtons{};
  QRadioButton* customButton = nullptr;
};

}  // namespace tovan
