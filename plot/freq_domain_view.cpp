#include "plot/freq_domain_view.h"

#include "engine/signal_engine.h"
#include "plot/freq_domain_frame.h"

namespace tovan {

CFreqDomainView::CFreqDomainView(QWidget* placeholderFrame, SignalEngine* signalEngine,
                                 int initialPrintColors)
    : CGLPlotWnd(placeholderFrame, initialPrintColors), engine(signalEngine) {}

PlotFrame CFreqDomainView::BuildFrame() {
  FreqDomainLayers layers;
  layers.showGrid = showGrid != 0;
  layers.showMagnitude = showMagnitude != 0;
  layers.showPhase = showPhase != 0;
  layers.showInputSpectrum = showInputSpectrum != 0;
  layers.showOutputSpectrum = showOutputSpectrum != 0;
  layers.gridWidth = gridLineWidth;
  layers.magnitudeWidth = magnitudeLineWidth;
  layers.phaseWidth = phaseLineWidth;
  layers.inputSpectrumWidth = inputSpectrumLineWidth;
  layers.outputSpectrumWidth = outputSpectrumLineWidth;
  // Braced initialisation runs left to right: the engine is asked for magnitude,
  // phase, output spectrum, input spectrum, in that order.
  const FreqDomainTraces traces{engine->ScopeMagnitudeTrace(), engine->ScopePhaseTrace(),
                                engine->OutputSpectrumTrace(), engine->InputSpectrumTrace()};
  return FreqDomainFrame(traces, layers, printColors != 0, Extent());
}

void CFreqDomainView::Render() { DrawFrame(BuildFrame()); }

}  // namespace tovan
