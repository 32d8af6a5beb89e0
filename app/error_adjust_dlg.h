#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "app/binding_control.h"
#include "app/slider_binding.h"

class QPushButton;
class QSlider;
class QLineEdit;

namespace tovan {

class CSimulatorDlg;

// The modeless "Flatness Adjust" dialog (template 139): the engine's ten flatness
// levels (1 to 10 GHz) on ten sliders, and "zero all". Any change here makes the
// scope settings Custom. The main dialog's toggle shows and hides it; Escape does
// nothing, and closing the window (a close box a window manager may add) hides it as
// the toggle does.
class CErrorAdjustDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CErrorAdjustDlg(CSimulatorDlg* mainDialog);
  ~CErrorAdjustDlg() override;

  // A scroll notification from slider `controlId`: Custom first, then the level
  // is read; an unknown id shows "Inavlid slider." instead of the read.
  void OnVScroll(int controlId);
  // Level k (1 ... 10) to 0 dB; Custom only when it was not 0 already.
  void ZeroLevel(int k);
  void ZeroAll();
  // Every slider and box from the engine, 1 GHz first.
  void RefreshBindings();

 protected:
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnInitDialog();

  CSimulatorDlg* mainDialog;
  QWidget* client = nullptr;
  std::array<QSlider*, 10> sliders{};
  std::array<QLineEdit*, 10> edits{};
  std::array<QPushButton*, 10> zeroButtons{};
  QPushButton* zeroAllButton = nullptr;
  std::vector<std::unique_ptr<BindingControl>> controlAdapters;
  std::vector<std::unique_ptr<BindingText>> textAdapters;
  std::array<std::unique_ptr<CSliderBinding>, 10> bindings;
};

}  // namespace tovan
