#include "app/eye_readout.h"

#include "app/eye_readout_text.h"

namespace tovan {

EyeReadout::EyeReadout(SignalEngine* signalEngine, QWidget* parent)
    : QLabel(parent), engine(signalEngine) {
  setObjectName("eyeReadout");
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
}

void EyeReadout::OnTick() {
  if (cache.Update(*engine)) ShowFigures();
}

void EyeReadout::SetReference(const EyeMetrics* heldFigures) {
  reference = heldFigures;
  cache.Update(*engine);
  ShowFigures();
}

void EyeReadout::ShowFigures() {
  const EyeComparison& figures = cache.Figures();
  setText(reference ? EyeReferenceText(figures.output, *reference) : EyeReadoutText(figures));
  setToolTip(EyeDifferenceText(figures));
}

}  // namespace tovan
