#pragma once

#include <QLabel>

#include "app/eye_figures_cache.h"

namespace tovan {

class SignalEngine;

// The status line under the main window's plots: the key eye figures of input and
// scope-affected pattern (EyeReadoutText), with what the scope did as its tool tip.
// It follows the plots' timer (OnTick), and measures only when the engine's traces
// have been recomputed since its last measurement, so an unchanged picture costs a
// stamp comparison per tick.
class EyeReadout : public QLabel {
  Q_OBJECT

 public:
  EyeReadout(SignalEngine* engine, QWidget* parent);

  void OnTick();
  // While set (not owned), the text compares the live scope-affected figures with
  // these (EyeReferenceText); nullptr brings the usual text back.
  void SetReference(const EyeMetrics* reference);
  int MeasureCount() const { return cache.MeasureCount(); }
  const EyeComparison& Figures() const { return cache.Figures(); }

 private:
  void ShowFigures();

  SignalEngine* engine;  // not owned
  const EyeMetrics* reference = nullptr;
  EyeFiguresCache cache;
};

}  // namespace tovan
