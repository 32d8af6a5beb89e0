#pragma once

#include "plot/gl_plot_wnd.h"
#include "plot/view_style.h"

namespace tovan {

class SignalEngine;
struct ReferenceTraces;

// The upper plot: the input bit pattern (orange) and the scope-affected pattern
// (blue) overlaid slice by slice over an 8 x 10 grid. The flags are the main
// dialog's check boxes 1023, 1025 and 1031; a change shows at the next tick.
class CTimeDomainView : public CGLPlotWnd {
  Q_OBJECT

 public:
  CTimeDomainView(QWidget* placeholder, SignalEngine* engine, int printColors);

  SignalEngine* engine;  // not owned
  // Drawn dimmed under the live traces while set (not owned); nullptr draws as ever.
  const ReferenceTraces* reference = nullptr;
  int showGrid = 1;
  int showInput = 1;
  int showOutput = 1;
  float gridLineWidth = 1.0f;
  float inputLineWidth = 1.5f;
  float outputLineWidth = 1.5f;

  // The flags and widths above with the background scheme, as one value.
  TimeViewStyle Style() const;
  // The frame Render draws, from the engine's current traces (and the reference).
  PlotFrame BuildFrame();

  bool ExportPng(const QString& path, QSize size) override;
  bool ExportSvg(const QString& path, QSize size) override;
  bool ExportFigure(const QString& path, QSize size, bool svg, const std::string& title) override;

 protected:
  void Render() override;
};

}  // namespace tovan
