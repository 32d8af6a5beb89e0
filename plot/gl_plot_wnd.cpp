#include "plot/gl_plot_wnd.h"

#include <QFrame>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLVersionFunctionsFactory>

namespace tovan {

CGLPlotWnd::CGLPlotWnd(QWidget* placeholderFrame, int initialPrintColors)
    : QOpenGLWidget(placeholderFrame),
      placeholder(placeholderFrame),
      printColors(initialPrintColors) {
  if (auto* frame = qobject_cast<QFrame*>(placeholderFrame))
    setGeometry(frame->contentsRect());
  else if (placeholderFrame)
    setGeometry(placeholderFrame->rect());
  timer.setInterval(kRedrawPeriodMs);
  connect(&timer, &QTimer::timeout, this, &CGLPlotWnd::OnTick);
}

CGLPlotWnd::~CGLPlotWnd() {
  timer.stop();
  ReleaseGl();
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
  gl->glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  gl->glClearDepth(1.0);
  gl->glEnable(GL_DEPTH_TEST);
  gl->glShadeModel(GL_SMOOTH);
  gl->glDepthFunc(GL_LEQUAL);
  gl->glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
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
  const qreal ratio = devicePixelRatioF();
  const int w = static_cast<int>(width() * ratio);
  const int h = static_cast<int>(height() * ratio);
  extent = PlotExtentForPixels(w, h);
  gl->glViewport(0, 0, w, h);
  gl->glMatrixMode(GL_PROJECTION);
  gl->glLoadIdentity();
  gl->glOrtho(0.0, extent.width, 0.0, extent.height, 1.0, -1.0);
  gl->glMatrixMode(GL_MODELVIEW);
  gl->glLoadIdentity();
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

void CGLPlotWnd::DrawFrame(const PlotFrame& frame) {
  gl->glClearColor(frame.background.red, frame.background.green, frame.background.blue, 0.0f);
  gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (const PlotStroke& stroke : frame.strokes) DrawStroke(stroke);
  gl->glLineWidth(1.0f);
}

void CGLPlotWnd::DrawStroke(const PlotStroke& stroke) {
  gl->glColor3f(stroke.color.red, stroke.color.green, stroke.color.blue);
  gl->glLineWidth(stroke.lineWidth);
  if (stroke.stippled) {
    gl->glLineStipple(1, 0xAAAA);
    gl->glEnable(GL_LINE_STIPPLE);
  } else {
    gl->glDisable(GL_LINE_STIPPLE);
  }
  const float* v = stroke.vertices.data();
  const int segments = stroke.SegmentCount();
  if (stroke.onePrimitive) gl->glBegin(GL_LINES);
  for (int k = 0; k < segments; ++k, v += 4) {
    if (!stroke.onePrimitive) gl->glBegin(GL_LINES);
    gl->glVertex2f(v[0], v[1]);
    gl->glVertex2f(v[2], v[3]);
    if (!stroke.onePrimitive) gl->glEnd();
  }
  if (stroke.onePrimitive) gl->glEnd();
  gl->glDisable(GL_LINE_STIPPLE);
}

}  // namespace tovan
