#include "plot/freq_domain_view.h"

#include "plot/engine_view_frames.h"
#include "plot/plot_export.h"
#include "plot/report_figure.h"
#include "plot/reference_frames.h"

namespace tovan {

CFreqDomainView::CFreqDomainView(QWidget* placeholderFrame, SignalEngine* signalEngine,
                                 int initialPrintColors)
    : CGLPlotWnd(placeholderFrame, initialPrintColors), engine(signalEngine) {}

FreqViewStyle CFreqDomainView::Style() const {
  FreqViewStyle style;
  style.layers.showGrid = showGrid != 0;
  style.layers.showMagnitude = showMagnitude != 0;
  style.layers.showPhase = showPhase != 0;
  style.layers.showInputSpectrum = showInputSpectrum != 0;
  style.layers.showOutputSpectrum = showOutputSpectrum != 0;
  style.layers.gridWidth = gridLineWidth;
  style.layers.magnitudeWidth = magnitudeLineWidth;
  style.layers.phaseWidth = phaseLineWidth;
  style.layers.inputSpectrumWidth = inputSpectrumLineWidth;
  style.layers.outputSpectrumWidth = outputSpectrumLineWidth;
  style.printColors = printColors != 0;
  return style;
}

PlotFrame CFreqDomainView::BuildFrame() {
  if (reference) return FreqViewFrameWithReference(*engine, *reference, Style(), Extent());
  return FreqViewFrame(*engine, Style(), Extent());
}

void CFreqDomainView::Render() { DrawFrame(BuildFrame()); }

bool CFreqDomainView::ExportPng(const QString& path, QSize size) {
  return ExportFreqViewPng(*engine, path, size.width(), size.height(), Style());
}

bool CFreqDomainView::ExportSvg(const QString& path, QSize size) {
  return ExportFreqViewSvg(*engine, path, size.width(), size.height(), Style());
}

bool CFreqDomainView::ExportFigure(const QString& path, QSize size, bool svg, const std::string& title) {
  return ExportFreqFigure(*engine, path, size, Style(), title, svg);
}

}  // namespace tovan
