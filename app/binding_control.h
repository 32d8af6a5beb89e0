#pragma once

#include <string>

namespace tovan {

// How a binding lays its value onto its control's positions.
enum class BindingKind { Slider = 0, Spin = 1 };

// The read-only text box beside a control.
class BindingText {
 public:
  virtual ~BindingText() = default;
  virtual void SetText(const std::string& text) = 0;
};

// The slider or spin control a binding drives. Moving it through SetPosition is
// silent: only the user's own moves notify the owning dialog.
class BindingControl {
 public:
  virtual ~BindingControl() = default;
  virtual void SetRange(int lowest, int highest) = 0;
  virtual void SetPosition(int position) = 0;
  virtual int Position() const = 0;
  // The text box becomes the control's buddy (spin controls sit at its right edge).
  virtual void AttachBuddy(BindingText& buddy) = 0;
};

}  // namespace tovan
