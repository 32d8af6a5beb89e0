#include "app/slider_binding.h"

#include "app/binding_arithmetic.h"
#include "app/typed_value.h"

namespace tovan {

CSliderBinding::CSliderBinding(BindingControl* boundControl, BindingKind bindingKind,
                               BindingText* boundEdit, InputCell<double>* boundCell,
                               double rangeMaximum, double rangeMinimum, double rangeStep,
                               double displayScale)
    : control(boundControl),
      kind(bindingKind),
      rangeMax(0),
      rangeMin(0),
      edit(boundEdit),
      decimals(DecimalsForStep(rangeStep)),
      cell(boundCell),
      max(rangeMaximum),
      min(rangeMinimum),
      step(rangeStep),
      scale(displayScale) {
  if (kind == BindingKind::Slider) {
    rangeMax = SliderStepCount(max, min, step);
  } else {
    if (control && edit) control->AttachBuddy(*edit);
    rangeMin = TruncToInt(min);
    rangeMax = TruncToInt(max);
  }
  if (control) control->SetRange(rangeMin, rangeMax);
}

void CSliderBinding::SetPosition(double x) {
  if (!control) return;
  if (kind == BindingKind::Slider)
    control->SetPosition(SliderPositionFor(x, max, min, rangeMax));
  else
    control->SetPosition(SpinPositionFor(x));
}

void CSliderBinding::ShowValue(double x) {
  if (edit) edit->SetText(FormatDecimals(x, decimals));
}

void CSliderBinding::Refresh() {
  const double x = cell ? cell->value * scale : 0.0;
  SetPosition(x);
  ShowValue(x);
}

double CSliderBinding::ValueAt(int position) const {
  if (kind == BindingKind::Slider) return SliderValueAt(position, max, min, rangeMax, rangeMin);
  return SpinValueAt(static_cast<unsigned>(position));
}

double CSliderBinding::ControlValue() const {
  if (!control) return 0.0;
  return ValueAt(control->Position());
}

std::string CSliderBinding::MoveToTyped(const std::string& text) {
  return MoveControlToTyped(control, text, rangeMin, rangeMax,
                            [this](int position) { return ValueAt(position); });
}

void CSliderBinding::ReadControl() {
  const double x = ControlValue();
  if (cell) cell->Write(x / scale);
  ShowValue(x);
}

}  // namespace tovan
