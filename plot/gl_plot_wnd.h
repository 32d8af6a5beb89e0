#pragma once

#include <QOpenGLWidget>
#include <QTimer>

#include "plot/plot_extent.h"
#include "plot/plot_frame.h"

class QOpenGLFunctions_2_1;

namespace tovan {

// The base of the two plot panes: an OpenGL pane laid over the client area of a
// placeholder frame, with a fixed two-dimensional projection of PlotExtent units
// (shorter side 250, from the size in device pixels), redrawn in full on its own
// 200 ms timer and by nothing else. Each tick calls Render through paintGL.
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

 signals:
  void ticked();

 protected:
  // Draws one complete frame; the context is current.
  virtual void Render() = 0;
  // Clears to the frame's background, draws its strokes in order, ends at line width 1.
  void DrawFrame(const PlotFrame& frame);

  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;

 private:
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
