#include "app/template_group_box.h"

#include <QPainter>
#include <algorithm>
#include <QStyle>
#include <qdrawutil.h>

namespace tovan {

int TemplateGroupBox::FrameTop() const { return fontMetrics().height() / 2; }

void TemplateGroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // An etched frame of its own: the style's group-box frame keeps clear of the title.
  qDrawShadeRect(&painter, rect().adjusted(0, FrameTop(), 0, 0), palette(), true, 1);
  if (title().isEmpty()) return;
  // The title sits one character in from the left edge (less where a long title
  // needs the room), on the window's background.
  const QFontMetrics metrics = fontMetrics();
  const int gap = metrics.averageCharWidth() / 2;
  const int textWidth = metrics.horizontalAdvance(title()) + 2 * gap;
  const int indent = std::clamp((width() - textWidth) / 2, 0, metrics.averageCharWidth());
  const QRect text(indent, 0, textWidth, metrics.height());
  painter.fillRect(text, palette().window());
  style()->drawItemText(&painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace tovan
