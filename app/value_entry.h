#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

class QLineEdit;
class QWidget;

namespace tovan {

// Typing an exact value into a binding's read-only box. A double click on the box,
// or F2 while its control has the focus, makes the box editable with its text
// selected. Enter hands the text to `commit`, which moves the control and returns ""
// or one line saying why the text was not used (shown in a message box; the old
// value stays). Escape, or the focus leaving the box, cancels. Either way the box is
// read-only again and the control has the focus back. Enter and Escape end here:
// the dialog never sees them while the box is being edited.
class ValueEntry : public QObject {
  Q_OBJECT

 public:
  using Commit = std::function<std::string(const std::string& text)>;

  // Owned by `box`; `control` may be null (then F2 does nothing).
  ValueEntry(QLineEdit* box, QWidget* control, Commit commit);

  bool Editing() const { return editing; }
  void Begin();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void End();
  void Finish();

  QLineEdit* box;
  QPointer<QWidget> control;
  Commit commit;
  QString shownText;  // what the box showed before editing
  bool editing = false;
};

}  // namespace tovan
