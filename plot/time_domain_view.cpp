#include "plot/time_domain_view.h"

#include "engine/signal_engine.h"
#include "plot/time_domain_frame.h"

namespace tovan {

CTimeDomainView::CTimeDomainView(QWidget* placeholderFrame, SignalEngine* signalEngine,
                                 int initialPrintColors)
    : CGLPlotWnd(placeholderFrame, initialPrintColors), engine(signalEngine) {}

PlotFrame CTimeDomainView::BuildFrame() {
  TimeDomainLayers layers;
  layers.showGrid = showGrid != 0;
  layers.showInput = showInput != 0;
  layers.showOutput = showOutput != 0;
  layers.gridWidth = gridLineWidth;
  layers.inputWidth = inputLineWidth;
  layers.outputWidth = outputLineWidth;
  // The output traces are asked for first: the engine call order is part of the design.
  const Matrix& output = engine->OutputTraces();
  const Matrix& input = engine->InputTraces();
  return TimeDomainFrame(input, output, layers, printColors != 0, Extent());
}

void CTimeDomainView::Render() { DrawFrame(BuildFrame()); }

}  // namespace tovan
