#include "app/qt_binding_controls.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

namespace tovan {

void SliderControl::SetRange(int lowest, int highest) {
  const QSignalBlocker quiet(slider);
  slider->setRange(lowest, highest);
  // A page is a fifth of the range and a line one position, so Page Up and Page Down
  // cross any range in five presses whatever its step count.
  slider->setPageStep(std::max((highest - lowest) / 5, 1));
  slider->setSingleStep(1);
}

void SliderControl::SetPosition(int position) {
  const QSignalBlocker quiet(slider);
  slider->setValue(position);
}

int SliderControl::Position() const { return slider->value(); }

void SpinControl::SetRange(int lowest, int highest) {
  const QSignalBlocker quiet(spin);
  spin->setRange(lowest, highest);
}

void SpinControl::SetPosition(int position) {
  const QSignalBlocker quiet(spin);
  spin->setValue(position);
}

int SpinControl::Position() const { return spin->value(); }

void SpinControl::AttachBuddy(BindingText& buddy) {
  auto* text = dynamic_cast<EditText*>(&buddy);
  if (!text || !text->edit) return;
  QLineEdit* edit = text->edit;
  const int spinWidth = spin->width();
  QRect buddyRect = edit->geometry();
  buddyRect.setWidth(std::max(buddyRect.width() - spinWidth, 1));
  edit->setGeometry(buddyRect);
  spin->setGeometry(buddyRect.right() + 1, buddyRect.top(), spinWidth, buddyRect.height());
}

void EditText::SetText(const std::string& text) { edit->setText(QString::fromStdString(text)); }

}  // namespace tovan
