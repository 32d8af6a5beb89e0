#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>

#include "plot/view_axes.h"

class QPainter;

namespace tovan {

// Draws ViewAxes around a plot area with QPainter: a short tick outside the area at
// every tick (not for the far right scale, which lies apart from the area), its
// label beyond it, and (when `withTitles`) each axis title beyond the
// labels (the vertical ones turned to read upwards). A label that would overlap the
// one drawn before it on the same axis is left out. Text needs a QGuiApplication.
struct AxesLook {
  QFont font;
  QColor ink;
  bool withTitles = true;
};

// The room the axes need on each side of the plot area, end labels included.
QMargins AxesMargins(const ViewAxes& axes, const AxesLook& look);

void PaintAxes(QPainter& painter, QRect plotArea, const ViewAxes& axes, const AxesLook& look);

}  // namespace tovan
