#pragma once

#include <QObject>

class QWidget;

namespace tovan {

// Discards Enter and Return key presses aimed at a dialog or at any window it
// owns, before the dialog's own handling sees them, so Enter never closes it.
class EnterKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit EnterKeyFilter(QWidget* dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* dialog;
};

}  // namespace tovan
