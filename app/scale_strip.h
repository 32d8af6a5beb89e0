#pragma once

#include <QWidget>
#include <functional>

#include "plot/view_axes.h"

class QFrame;

namespace tovan {

class CGLPlotWnd;

// Tick labels in the traces' units along a plot pane's edges (no axis titles),
// drawn inside the pane's black placeholder frame, which gives up that room while
// the strip is shown: the pane gets smaller, its drawing stays as it is. Hidden at
// first. The labels follow the pane's timer, so a new bitrate shows with the plot.
class ScaleStrip : public QWidget {
  Q_OBJECT

 public:
  ScaleStrip(QFrame* placeholder, CGLPlotWnd* pane, std::function<ViewAxes()> axes);

  void SetShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFrame* placeholder;
  CGLPlotWnd* pane;
  std::function<ViewAxes()> axes;
};

}  // namespace tovan
