#pragma once

#include <string>

#include "app/binding_control.h"
#include "engine/input_cell.h"

namespace tovan {

// The integer-ranged twin of CSliderBinding: max, min and step are ints and the
// text is "%d" of the truncated displayed value. It is bound either to a real cell
// (written with the unrounded x / scale) or to an integer cell (read as a double,
// written as trunc(x / scale)); with neither it behaves as a binding without a cell.
class CIntSliderBinding {
 public:
  CIntSliderBinding(BindingControl* control, BindingKind kind, BindingText* edit,
                    InputCell<double>* cell, int max, int min, int step, double scale);
  CIntSliderBinding(BindingControl* control, BindingKind kind, BindingText* edit,
                    InputCell<int>* cell, int max, int min, int step, double scale);

  void SetPosition(double x);
  void ShowValue(double x);
  void Refresh();
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
  int rangeMax;
  int rangeMin;
  BindingText* edit;
  int decimals;
  InputCell<double>* realCell;
  InputCell<int>* intCell;
  int max, min, step;
  double scale;

 private:
  void SetUpRange();
  double ControlValue() const;
  double CellValue() const;
};

}  // namespace tovan
