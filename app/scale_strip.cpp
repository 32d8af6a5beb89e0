#include "app/scale_strip.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

#include "plot/axes_painter.h"
#include "plot/gl_plot_wnd.h"

namespace tovan {

namespace {

// Light grey on the placeholder's black, lighter than the grid.
constexpr QRgb kStripInk = 0xFFB4B4B4;

AxesLook StripLook(const QWidget& widget) { return {widget.font(), QColor(kStripInk), false}; }

}  // namespace

ScaleStrip::ScaleStrip(QFrame* placeholderFrame, CGLPlotWnd* plotPane,
                       std::function<ViewAxes()> viewAxes)
    : QWidget(placeholderFrame),
      placeholder(placeholderFrame),
      pane(plotPane),
      axes(std::move(viewAxes)) {
  hide();
  placeholder->installEventFilter(this);
  connect(pane, &CGLPlotWnd::ticked, this, [this] {
    if (isVisible()) update();
  });
}

void ScaleStrip::SetShown(bool shown) {
  placeholder->setContentsMargins(shown ? AxesMargins(axes(), StripLook(*this)) : QMargins());
  setGeometry(placeholder->rect());
  setVisible(shown);
  lower();
}

bool ScaleStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == placeholder && event->type() == QEvent::Resize) setGeometry(placeholder->rect());
  return QWidget::eventFilter(watched, event);
}

void ScaleStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintAxes(painter, pane->geometry(), axes(), StripLook(*this));
}

}  // namespace tovan
