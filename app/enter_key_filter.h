#pragma once

#include <QObject>

class QWidget;

namespace tovan {

// Discards Enter and Return key presses aimed at a dialog or at any modeless window
// it owns, before the dialog's own handling sees them, so Enter never closes it. A
// modal window it owns (a file dialog, a message box) keeps Enter for its default
// button.
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
