#include "app/up_down_control.h"

#include <QLineEdit>

namespace tovan {

UpDownControl::UpDownControl(QWidget* parent) : QSpinBox(parent) {
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setWrapping(false);
  setFrame(false);
  lineEdit()->setReadOnly(true);
  lineEdit()->hide();
}

}  // namespace tovan
