#pragma once

#include <string>

#include "app/binding_control.h"

namespace tovan {

// Test doubles for a binding's control and text box: they hold what they were
// told, as a real control would.
class RecordingControl : public BindingControl {
 public:
  void SetRange(int low, int high) override {
    lowest = low;
    highest = high;
  }
  void SetPosition(int p) override { position = p; }
  int Position() const override { return position; }
  void AttachBuddy(BindingText& text) override { buddy = &text; }

  int lowest = -1;
  int highest = -1;
  int position = -1;
  BindingText* buddy = nullptr;
};

class RecordingText : public BindingText {
 public:
  void SetText(const std::string& t) override { text = t; }
  std::string text = "(untouched)";
};

}  // namespace tovan
