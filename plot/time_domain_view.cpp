#include "plot/time_domain_view.h"

#include "plot/engine_view_frames.h"
#include "plot/plot_export.h"
#include "plot/report_figure.h"
#include "plot/reference_frames.h"

namespace tovan {

CTimeDomainView::CTimeDomainView(QWidget* placeholderFrame, SignalEngine* signalEngine,
                                 int initialPrintColors)
    : CGLPlotWnd(placeholderFrame, initialPrintColors), engine(signalEngine) {}

TimeViewStyle CTimeDomainView::Style() const {
  TimeViewStyle style;
  style.layers.showGrid = showGrid != 0;
  style.layers.showInput = showInput != 0;
  style.layers.showOutput = showOutput != 0;
  style.layers.gridWidth = gridLineWidth;
  style.layers.inputWidth = inputLineWidth;
  style.layers.outputWidth = outputLineWidth;
  style.printColors = printColors != 0;
  return style;
}

PlotFrame CTimeDomainView::BuildFrame() {
  if (reference) return TimeViewFrameWithReference(*engine, *reference, Style(), Extent());
  return TimeViewFrame(*engine, Style(), Extent());
}

void CTimeDomainView::Render() { DrawFrame(BuildFrame()); }

bool CTimeDomainView::ExportPng(const QString& path, QSize size) {
  return ExportTimeViewPng(*engine, path, size.width(), size.height(), Style());
}

bool CTimeDomainView::ExportSvg(const QString& path, QSize size) {
  return ExportTimeViewSvg(*engine, path, size.width(), size.height(), Style());
}

bool CTimeDomainView::ExportFigure(const QString& path, QSize size, bool svg, const std::string& title) {
  return ExportTimeFigure(*engine, path, size, Style(), title, svg);
}

}  // namespace tovan
