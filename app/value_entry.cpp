#include "app/value_entry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

namespace tovan {

ValueEntry::ValueEntry(QLineEdit* valueBox, QWidget* boundControl, Commit onCommit)
    : QObject(valueBox), box(valueBox), control(boundControl), commit(std::move(onCommit)) {
  box->installEventFilter(this);
  if (control) control->installEventFilter(this);
  box->setToolTip("Double-click to type a value");
}

void ValueEntry::Begin() {
  if (editing) return;
  editing = true;
  shownText = box->text();
  box->setReadOnly(false);
  box->setFocusPolicy(Qt::StrongFocus);
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

void ValueEntry::End() {
  editing = false;
  box->setText(shownText);
  box->deselect();
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  if (control) control->setFocus(Qt::OtherFocusReason);
}

// The box is read-only again before `commit` moves the control, so the value the
// binding shows then is the box's new text.
void ValueEntry::Finish() {
  const std::string text = box->text().toStdString();
  End();
  const std::string problem = commit(text);
  if (!problem.empty())
    QMessageBox::warning(box->window(), box->window()->windowTitle(),
                         QString::fromStdString(problem) + ".");
}

bool ValueEntry::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == box && type == QEvent::MouseButtonDblClick) {
    Begin();
    return true;
  }
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::FocusOut)
    return false;
  if (watched == control && type == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
    Begin();
    return true;
  }
  if (watched != box || !editing) return false;
  if (type == QEvent::FocusOut) {
    End();
    return false;
  }
  const int key = static_cast<QKeyEvent*>(event)->key();
  const bool ends = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  if (!ends) return false;
  // Taken as the box's own keys, not as shortcuts of the window.
  if (type == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (key == Qt::Key_Escape)
    End();
  else
    Finish();
  return true;
}

}  // namespace tovan
