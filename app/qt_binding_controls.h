#pragma once

#include "app/binding_control.h"

class QLineEdit;
class QSlider;
class QSpinBox;

namespace tovan {

// The Qt side of the bindings: thin adapters over the widgets, none owned.

// A vertical slider whose value equals the position: position 0 at the top.
class SliderControl : public BindingControl {
 public:
  explicit SliderControl(QSlider* slider) : slider(slider) {}
  void SetRange(int lowest, int highest) override;
  void SetPosition(int position) override;
  int Position() const override;
  void AttachBuddy(BindingText&) override {}

  QSlider* slider;
};

// An up-down control; attached to a buddy it moves to the buddy's right edge, takes
// its height and narrows the buddy by its own width.
class SpinControl : public BindingControl {
 public:
  explicit SpinControl(QSpinBox* spin) : spin(spin) {}
  void SetRange(int lowest, int highest) override;
  void SetPosition(int position) override;
  int Position() const override;
  void AttachBuddy(BindingText& buddy) override;

  QSpinBox* spin;
};

class EditText : public BindingText {
 public:
  explicit EditText(QLineEdit* edit) : edit(edit) {}
  void SetText(const std::string& text) override;

  QLineEdit* edit;
};

}  // namespace tovan
