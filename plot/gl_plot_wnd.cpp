#include "plot/gl_plot_wnd.h"

#include <QEvent>
#include <QFrame>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLVersionFunctionsFactory>

#include "plot/plot_renderer.h"

namespace tovan {

CGLPlotWnd::CGLPlotWnd(QWidget* placeholderFrame, int initialPrintColors)
    : QOpenGLWidget(placeholderFrame),
      placeholder(placeholderFrame),
      printColors(initialPrintColors) {
  FitToPlaceholder();
  setMouseTracking(true);
  if (placeholderFrame) placeholderFrame->installEventFilter(this);
  timer.setInterval(kRedrawPeriodMs);
  connect(&timer, &QTimer::timeout, this, &CGLPlotWnd::OnTick);
}

CGLPlotWnd::~CGLPlotWnd() {
  timer.stop();
  ReleaseGl();
}

void CGLPlotWnd::FitToPlaceholder() {
  if (auto* frame = qobject_cast<QFrame*>(placeholder))
    setGeometry(frame->contentsRect());
  else if (placeholder)
    setGeometry(placeholder->rect());
}

bool CGLPlotWnd::eventFilter(QObject* watched, QEvent* event) {
  // A frame that gives up room inside (new contents margins) also changes the pane.
  const QEvent::Type type = event->type();
  if (watched == placeholder && (type == QEvent::Resize || type == QEvent::ContentsRectChange))
    FitToPlaceholder();
  return QOpenGLWidget::eventFilter(watched, event);
}

void CGLPlotWnd::mouseMoveEvent(QMouseEvent* event) {
  emit pointerMoved(event->position());
  QOpenGLWidget::mouseMoveEvent(event);
}

void CGLPlotWnd::leaveEvent(QEvent* event) {
  emit pointerLeft();
  QOpenGLWidget::leaveEvent(event);
}

QSize CGLPlotWnd::PixelSize() const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)};
}

void CGLPlotWnd::initializeGL() {
  QOpenGLContext* ctx = context();
  if (!ctx || !ctx->isValid() || ctx->isOpenGLES()) {
    setUpFailed = true;
    Report("Error creating rendering context");
    return;
  }
  gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_2_1>(ctx);
  if (!gl || !gl->initializeOpenGLFunctions()) {
    gl = nullptr;
    setUpFailed = true;
    Report("Error creating rendering context");
    return;
  }
  if (QOpenGLContext::currentContext() != ctx) {
    setUpFailed = true;
    Report("Error making current the rendering context");
    return;
  }
  // The context can be recreated (on re-parenting): the function table goes with it.
  connect(ctx, &QOpenGLContext::aboutToBeDestroyed, this, &CGLPlotWnd::ReleaseGl,
          Qt::UniqueConnection);
  SetUpPlotState(*gl);
  SetProjection();
  setUpFailed = false;
  timer.start();
}

void CGLPlotWnd::resizeGL(int, int) {
  if (gl) SetProjection();
}

// Viewport over the whole pane in device pixels, then x from 0 to the plot width
// and y from 0 to the plot height (near 1, far -1).
void CGLPlotWnd::SetProjection() {
  const QSize pixels = PixelSize();
  extent = SetUpPlotProjection(*gl, pixels.width(), pixels.height());
}

void CGLPlotWnd::paintGL() {
  if (setUpFailed || !gl) return;
  if (QOpenGLContext::currentContext() != context()) {
    Report("Error making current the rendering context");
    return;
  }
  Render();
}

void CGLPlotWnd::OnTick() {
  ++ticks;
  emit ticked();
  update();
}

void CGLPlotWnd::ReleaseGl() {
  if (!gl) return;
  makeCurrent();
  gl = nullptr;
  doneCurrent();
}

// Shown after the current frame, so that no dialog runs inside paintGL; while one
// is open, further failures are not stacked on it.
void CGLPlotWnd::Report(const QString& text) {
  if (reportShowing) return;
  reportShowing = true;
  QTimer::singleShot(0, this, [this, text] {
    QMessageBox::critical(this, QString(), text);
    reportShowing = false;
  });
}

void CGLPlotWnd::DrawFrame(const PlotFrame& frame) { DrawPlotFrame(*gl, frame); }

}  // namespace tovan
