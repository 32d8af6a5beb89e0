#pragma once

#include <string>

#include "app/binding_control.h"
#include "engine/input_cell.h"

namespace tovan {

// Ties a real engine input to a slider (or spin control) and its text box. The
// control, the text box and the cell are not owned and each may be absent: without
// a control nothing is moved and the control reads as 0.0, without a text box
// nothing is shown, without a cell Refresh uses 0.0 and ReadControl writes nothing.
//
// Displayed value = cell value x scale. Slider positions: n = floor((max - min) /
// step) steps, position 0 the maximum. Spin positions: rangeMin ... rangeMax as
// exponents of two. The text has ceil(log10(1 / step)) decimals (at least 0).
class CSliderBinding {
 public:
  CSliderBinding(BindingControl* control, BindingKind kind, BindingText* edit,
                 InputCell<double>* cell, double max, double min, double step, double scale);

  // Moves the control to the displayed value x without notifying anyone.
  void SetPosition(double x);
  void ShowValue(double x);
  // Control and text from the cell, after the cell was changed elsewhere.
  void Refresh();
  // The control's value into the cell (an ordinary cell write), then shown.
  void ReadControl();
  // The displayed value that control position p stands for.
  double ValueAt(int position) const;
  // Text typed in displayed units, checked against the values of the control's two
  // ends; when good, the control is moved silently to the position whose value lies
  // nearest it (the owner then reads it as after a scroll). Returns "" then, else one
  // line saying why (the control stays).
  std::string MoveToTyped(const std::string& text);

  BindingControl* control;
  BindingKind kind;
  int rangeMax;  // slider: n; spin: highest position
  int rangeMin;  // slider: 0; spin: lowest position
  BindingText* edit;
  int decimals;
  InputCell<double>* cell;
  double max, min, step, scale;

 private:
  double ControlValue() const;
};

}  // namespace tovan
