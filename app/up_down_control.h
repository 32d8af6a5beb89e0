#pragma once

#include <QSpinBox>

namespace tovan {

// A spin control showing only its arrows: its position is shown, transformed, in a
// separate buddy text box. Arrow keys step it.
class UpDownControl : public QSpinBox {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent);
};

}  // namespace tovan
