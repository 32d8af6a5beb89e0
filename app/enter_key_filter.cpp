#include "app/enter_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace tovan {

EnterKeyFilter::EnterKeyFilter(QWidget* filteredDialog) : dialog(filteredDialog) {}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  // Side dialogs are windows of their own, so the walk goes past window boundaries;
  // it stops at a modal one (a file dialog, a message box), whose default button
  // Enter must reach.
  for (auto* w = qobject_cast<QWidget*>(watched); w; w = w->parentWidget()) {
    if (w == dialog) return true;
    if (w->isWindow() && w->isModal()) return false;
  }
  return false;
}

}  // namespace tovan
