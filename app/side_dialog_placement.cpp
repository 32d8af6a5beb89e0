#include "app/side_dialog_placement.h"

#include <algorithm>
#include <limits>

namespace tovan {

namespace {

// `place` moved the least distance that brings it inside `screen` (its top-left
// corner kept on screen when it is the larger).
QRect PushedInside(QRect place, QRect screen) {
  const int x = std::max(std::min(place.x(), screen.right() + 1 - place.width()), screen.x());
  const int y = std::max(std::min(place.y(), screen.bottom() + 1 - place.height()), screen.y());
  return QRect(QPoint(x, y), place.size());
}

long long CoveredArea(QRect place, QRect other) {
  const QRect common = place.intersected(other);
  return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

QPoint SideDialogPlace(QSize size, QRect mainFrame, QRect screen, std::span<const QRect> occupied) {
  const QRect places[] = {
      QRect(QPoint(mainFrame.right() + 1, mainFrame.top()), size),
      QRect(QPoint(mainFrame.left(), mainFrame.bottom() + 1), size),
      QRect(QPoint(mainFrame.left() - size.width(), mainFrame.top()), size),
      QRect(QPoint(mainFrame.left(), mainFrame.top() - size.height()), size),
  };
  QPoint best;
  long long bestCovered = std::numeric_limits<long long>::max();
  for (const QRect& wanted : places) {
    const QRect place = PushedInside(wanted, screen);
    long long covered = CoveredArea(place, mainFrame);
    for (const QRect& other : occupied) covered += CoveredArea(place, other);
    if (covered < bestCovered) {
      bestCovered = covered;
      best = place.topLeft();
    }
  }
  return best;
}

}  // namespace tovan
