#include "app/int_slider_binding.h"

#include "app/binding_arithmetic.h"
#include "app/typed_value.h"

namespace tovan {

CIntSliderBinding::CIntSliderBinding(BindingControl* boundControl, BindingKind bindingKind,
                                     BindingText* boundEdit, InputCell<double>* boundCell,
                                     int rangeMaximum, int rangeMinimum, int rangeStep,
                                     double displayScale)
    : control(boundControl),
      kind(bindingKind),
      rangeMax(0),
      rangeMin(0),
      edit(boundEdit),
      decimals(DecimalsForStep(rangeStep)),
      realCell(boundCell),
      intCell(nullptr),
      max(rangeMaximum),
      min(rangeMinimum),
      step(rangeStep),
      scale(displayScale) {
  SetUpRange();
}

CIntSliderBinding::CIntSliderBinding(BindingControl* boundControl, BindingKind bindingKind,
                                     BindingText* boundEdit, InputCell<int>* boundCell,
                                     int rangeMaximum, int rangeMinimum, int rangeStep,
                                     double displayScale)
    : CIntSliderBinding(boundControl, bindingKind, boundEdit,
                        static_cast<InputCell<double>*>(nullptr), rangeMaximum, rangeMinimum,
                        rangeStep, displayScale) {
  intCell = boundCell;
}

void CIntSliderBinding::SetUpRange() {
  if (kind == BindingKind::Slider) {
    rangeMax = SliderStepCount(max, min, step);
  } else {
    if (control && edit) control->AttachBuddy(*edit);
    rangeMin = min;
    rangeMax = max;
  }
  if (control) control->SetRange(rangeMin, rangeMax);
}

void CIntSliderBinding::SetPosition(double x) {
  if (!control) return;
  if (kind == BindingKind::Slider)
    control->SetPosition(SliderPositionFor(x, max, min, rangeMax));
  else
    control->SetPosition(SpinPositionFor(x));
}

void CIntSliderBinding::ShowValue(double x) {
  if (edit) edit->SetText(FormatInteger(x));
}

double CIntSliderBinding::CellValue() const {
  if (realCell) return realCell->value * scale;
  if (intCell) return static_cast<double>(intCell->value) * scale;
  return 0.0;
}

void CIntSliderBinding::Refresh() {
  const double x = CellValue();
  SetPosition(x);
  ShowValue(x);
}

double CIntSliderBinding::ValueAt(int position) const {
  if (kind == BindingKind::Slider) return SliderValueAt(position, max, min, rangeMax, rangeMin);
  return SpinValueAt(static_cast<unsigned>(position));
}

double CIntSliderBinding::ControlValue() const {
  if (!control) return 0.0;
  return ValueAt(control->Position());
}

std::string CIntSliderBinding::MoveToTyped(const std::string& text) {
  return MoveControlToTyped(control, text, rangeMin, rangeMax,
                            [this](int position) { return ValueAt(position); });
}

void CIntSliderBinding::ReadControl() {
  const double x = ControlValue();
  if (realCell) realCell->Write(x / scale);
  if (intCell) intCell->Write(TruncToInt(x / scale));
  ShowValue(x);
}

}  // namespace tovan
