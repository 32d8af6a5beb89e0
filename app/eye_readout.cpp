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
  if (!cache.Update(*engine)) return;
  setText(EyeReadoutText(cache.Figures()));
  setToolTip(EyeDifferenceText(cache.Figures()));
}

}  // namespace tovan
