#pragma once

#include <QOpenGLWidget>
#include <QTimer>
#include <string>

#include "plot/plot_extent.h"
#include "plot/plot_frame.h"

class QOpenGLFunctions_2_1;

namespace tovan {

// The base of the two plot panes: an OpenGL pane laid over the client area of a
// placeholder frame (following it when the frame is resized), with a two-dimensional
// projection of PlotExtent units (shorter side 250, from the size in device pixels,
// set up again on each resize), redrawn in full on its own 200 ms timer and by
// nothing else. Each tick calls Render through paintGL.
//
// The context is a compatibility one (immediate mode); the default surface format
// must ask for it before any widget exists. A context that is missing or lacks
// the immediate-mode functions shows "Error creating rendering context" and the
// pane never draws; a frame whose context is not current shows "Error making
// current the rendering context" and draws nothing.
class CGLPlotWnd : public QOpenGLWidget {
  Q_OBJECT

 public:
  static constexpr int kRedrawPeriodMs = 200;

  CGLPlotWnd(QWidget* placeholder, int printColors);
  ~CGLPlotWnd() override;

  QWidget* placeholder;
  int printColors;  // 1: white background instead of black

  PlotExtent Extent() const { return extent; }
  // Timer ticks since the pane was set up.
  int TickCount() const { return ticks; }
  bool SetUpFailed() const { return setUpFailed; }
  // The pane's size in device pixels, which the projection is set up for.
  QSize PixelSize() const;

  // The pane's current picture painted without GL (plot/plot_export.h) at `size`
  // pixels, written to `path` as a PNG image or an SVG document; false when it
  // cannot be written or the size is empty.
  virtual bool ExportPng(const QString& path, QSize size) = 0;
  virtual bool ExportSvg(const QString& path, QSize size) = 0;
  // A report figure of the current picture (plot/report_figure.h): the picture at
  // `size` pixels with axes, legend and `title`, as PNG or (svg) SVG.
  virtual bool ExportFigure(const QString& path, QSize size, bool svg,
                            const std::string& title) = 0;

 signals:
  void ticked();
  // The mouse pointer over the pane at `position` (pixels from its top-left), sent
  // on every move; then pointerLeft when it goes. Drawing does not depend on them.
  void pointerMoved(QPointF position);
  void pointerLeft();

 protected:
  // Draws one complete frame; the context is current.
  virtual void Render() = 0;
  // Clears to the frame's background, draws its strokes in order, ends at line width 1.
  void DrawFrame(const PlotFrame& frame);

  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void FitToPlaceholder();
  void SetProjection();
  void ReleaseGl();
  void OnTick();
  void Report(const QString& text);

  QOpenGLFunctions_2_1* gl = nullptr;
  PlotExtent extent;
  QTimer timer;
  int ticks = 0;
  bool setUpFailed = false;
  bool reportShowing = false;
};

}  // namespace tovan
