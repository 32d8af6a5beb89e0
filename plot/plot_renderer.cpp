#include "plot/plot_renderer.h"

#include <QOpenGLFunctions_2_1>

namespace tovan {

void SetUpPlotState(QOpenGLFunctions_2_1& gl) {
  gl.glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  gl.glClearDepth(1.0);
  gl.glEnable(GL_DEPTH_TEST);
  gl.glShadeModel(GL_SMOOTH);
  gl.glDepthFunc(GL_LEQUAL);
  gl.glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

PlotExtent SetUpPlotProjection(QOpenGLFunctions_2_1& gl, int widthPx, int heightPx) {
  const PlotExtent extent = PlotExtentForPixels(widthPx, heightPx);
  gl.glViewport(0, 0, widthPx, heightPx);
  gl.glMatrixMode(GL_PROJECTION);
  gl.glLoadIdentity();
  gl.glOrtho(0.0, extent.width, 0.0, extent.height, 1.0, -1.0);
  gl.glMatrixMode(GL_MODELVIEW);
  gl.glLoadIdentity();
  return extent;
}

namespace {

void DrawStroke(QOpenGLFunctions_2_1& gl, const PlotStroke& stroke) {
  gl.glColor3f(stroke.color.red, stroke.color.green, stroke.color.blue);
  gl.glLineWidth(stroke.lineWidth);
  if (stroke.stippled) {
    gl.glLineStipple(1, 0xAAAA);
    gl.glEnable(GL_LINE_STIPPLE);
  } else {
    gl.glDisable(GL_LINE_STIPPLE);
  }
  const float* v = stroke.vertices.data();
  const int segments = stroke.SegmentCount();
  if (stroke.onePrimitive) gl.glBegin(GL_LINES);
  for (int k = 0; k < segments; ++k, v += 4) {
    if (!stroke.onePrimitive) gl.glBegin(GL_LINES);
    gl.glVertex2f(v[0], v[1]);
    gl.glVertex2f(v[2], v[3]);
    if (!stroke.onePrimitive) gl.glEnd();
  }
  if (stroke.onePrimitive) gl.glEnd();
  gl.glDisable(GL_LINE_STIPPLE);
}

}  // namespace

void DrawPlotFrame(QOpenGLFunctions_2_1& gl, const PlotFrame& frame) {
  gl.glClearColor(frame.background.red, frame.background.green, frame.background.blue, 0.0f);
  gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (const PlotStroke& stroke : frame.strokes) DrawStroke(gl, stroke);
  gl.glLineWidth(1.0f);
}

}  // namespace tovan
