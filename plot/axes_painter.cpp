#include "plot/axes_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tovan {

namespace {

constexpr int kTickLength = 4;
constexpr int kGap = 3;

int WidestLabel(const Axis& axis, const QFontMetrics& metrics) {
  int widest = 0;
  for (const AxisTick& tick : axis.ticks)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(tick.label)));
  return widest;
}

bool Shown(const Axis& axis) { return !axis.ticks.empty(); }

// Ticks, labels and title beside the area, left of x or right of it. Returns the x
// just beyond what it drew.
int PaintVertical(QPainter& painter, QRect area, const Axis& axis, const AxesLook& look, int x,
                  bool leftSide, bool withTicks) {
  const QFontMetrics metrics(look.font);
  const int widest = WidestLabel(axis, metrics);
  const int direction = leftSide ? -1 : 1;
  int lastEdge = std::numeric_limits<int>::max();
  for (const AxisTick& tick : axis.ticks) {
    const int y = area.bottom() + 1 - static_cast<int>(std::lround(tick.fraction * area.height()));
    if (withTicks) painter.drawLine(x, y, x + direction * kTickLength, y);
    const QRect label(leftSide ? x - kTickLength - kGap - widest : x + kTickLength + kGap,
                      y - metrics.height() / 2, widest, metrics.height());
    if (label.bottom() >= lastEdge) continue;
    painter.drawText(label, (leftSide ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     QString::fromStdString(tick.label));
    lastEdge = label.top();
  }
  int beyond = x + direction * (kTickLength + kGap + widest + kGap);
  if (!look.withTitles) return beyond;
  painter.save();
  const int centreX = beyond + direction * metrics.height() / 2;
  painter.translate(centreX, area.center().y());
  painter.rotate(-90);
  painter.drawText(
      QRect(-area.height() / 2, -metrics.height() / 2, area.height(), metrics.height()),
      Qt::AlignCenter, QString::fromStdString(axis.title));
  painter.restore();
  return beyond + direction * (metrics.height() + kGap);
}

void PaintHorizontal(QPainter& painter, QRect area, const Axis& axis, const AxesLook& look,
                     bool bottomSide) {
  const QFontMetrics metrics(look.font);
  const int direction = bottomSide ? 1 : -1;
  const int y = bottomSide ? area.bottom() + 1 : area.top() - 1;
  int lastRight = std::numeric_limits<int>::min() / 2;
  for (const AxisTick& tick : axis.ticks) {
    const int x = area.left() + static_cast<int>(std::lround(tick.fraction * area.width()));
    painter.drawLine(x, y, x, y + direction * kTickLength);
    const QString text = QString::fromStdString(tick.label);
    const int width = metrics.horizontalAdvance(text);
    const int top = bottomSide ? y + kTickLength + kGap : y - kTickLength - kGap - metrics.height();
    const QRect label(x - width / 2, top, width, metrics.height());
    if (label.left() <= lastRight + kGap) continue;
    painter.drawText(label, Qt::AlignCenter, text);
    lastRight = label.right();
  }
  if (!look.withTitles) return;
  const int labelsEnd = kTickLength + kGap + metrics.height() + kGap;
  const int top = bottomSide ? y + labelsEnd : y - labelsEnd - metrics.height();
  painter.drawText(QRect(area.left(), top, area.width(), metrics.height()), Qt::AlignCenter,
                   QString::fromStdString(axis.title));
}

int VerticalRoom(const Axis& axis, const AxesLook& look) {
  if (!Shown(axis)) return 0;
  const QFontMetrics metrics(look.font);
  const int titles = look.withTitles ? metrics.height() + kGap : 0;
  return kTickLength + kGap + WidestLabel(axis, metrics) + kGap + titles;
}

int HorizontalRoom(const Axis& axis, const AxesLook& look) {
  if (!Shown(axis)) return 0;
  const QFontMetrics metrics(look.font);
  const int titles = look.withTitles ? metrics.height() + kGap : 0;
  return kTickLength + kGap + metrics.height() + kGap + titles;
}

}  // namespace

// Room for the axes beside the area, and for the halves of the end labels that
// stand out past its corners.
QMargins AxesMargins(const ViewAxes& axes, const AxesLook& look) {
  const QFontMetrics metrics(look.font);
  const int halfWidest =
      (std::max(WidestLabel(axes.bottom, metrics), WidestLabel(axes.top, metrics)) + 1) / 2;
  const int halfHeight = (metrics.height() + 1) / 2;
  return {std::max(VerticalRoom(axes.left, look), halfWidest),
          std::max(HorizontalRoom(axes.top, look), halfHeight),
          std::max(VerticalRoom(axes.right, look) + VerticalRoom(axes.farRight, look), halfWidest),
          std::max(HorizontalRoom(axes.bottom, look), halfHeight)};
}

void PaintAxes(QPainter& painter, QRect plotArea, const ViewAxes& axes, const AxesLook& look) {
  painter.save();
  painter.setFont(look.font);
  painter.setPen(look.ink);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  if (Shown(axes.bottom)) PaintHorizontal(painter, plotArea, axes.bottom, look, true);
  if (Shown(axes.top)) PaintHorizontal(painter, plotArea, axes.top, look, false);
  if (Shown(axes.left))
    PaintVertical(painter, plotArea, axes.left, look, plotArea.left() - 1, true, true);
  int x = plotArea.right() + 1;
  if (Shown(axes.right)) x = PaintVertical(painter, plotArea, axes.right, look, x, false, true);
  // Away from the plot a tick beside a label would read as a minus sign.
  if (Shown(axes.farRight)) PaintVertical(painter, plotArea, axes.farRight, look, x, false, false);
  painter.restore();
}

}  // namespace tovan
