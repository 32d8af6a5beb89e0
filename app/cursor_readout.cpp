#include "app/cursor_readout.h"

#include <QToolTip>
#include <cmath>

#include "engine/signal_engine.h"
#include "plot/cursor_reading.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

namespace tovan {

namespace {

PaneFraction FractionIn(const QWidget& pane, QPointF position) {
  return FractionAtPixel(position.x(), position.y(), pane.width(), pane.height());
}

// " name value unit" for a value the trace has there; nothing beyond its ends.
QString Part(const char* name, double value, const char* unit, int decimals) {
  if (std::isnan(value)) return QString();
  return QString("   %1 %2 %3").arg(name).arg(value, 0, 'f', decimals).arg(unit);
}

}  // namespace

CursorReadout::CursorReadout(SignalEngine* signalEngine, CTimeDomainView* time,
                             CFreqDomainView* freq, QObject* parent)
    : QObject(parent), engine(signalEngine), timeView(time), freqView(freq) {
  auto show = [](CGLPlotWnd* pane, const QString& text, QPointF position) {
    QToolTip::showText(pane->mapToGlobal(position.toPoint()), text, pane);
  };
  connect(timeView, &CGLPlotWnd::pointerMoved, this,
          [this, show](QPointF at) { show(timeView, TimeText(at), at); });
  connect(freqView, &CGLPlotWnd::pointerMoved, this,
          [this, show](QPointF at) { show(freqView, FreqText(at), at); });
  connect(timeView, &CGLPlotWnd::pointerLeft, this, [] { QToolTip::hideText(); });
  connect(freqView, &CGLPlotWnd::pointerLeft, this, [] { QToolTip::hideText(); });
}

QString CursorReadout::TimeText(QPointF position) const {
  const int cells = engine->show3BitCells.value ? 3 : 1;
  const TimeReading reading =
      TimeReadingAt(FractionIn(*timeView, position), cells, engine->bitrate.value);
  return QString("%1 ps   %2 UI   %3 V")
      .arg(reading.picoseconds, 0, 'f', 1)
      .arg(reading.unitIntervals, 0, 'f', 3)
      .arg(reading.volts, 0, 'f', 3);
}

QString CursorReadout::FreqText(QPointF position) const {
  const double ghz = FrequencyAt(FractionIn(*freqView, position));
  QString text = QString("%1 GHz").arg(ghz, 0, 'f', 2);
  if (freqView->showInputSpectrum)
    text += Part("input", TraceValueAt(engine->InputSpectrumTrace(), ghz), "dB", 1);
  if (freqView->showOutputSpectrum)
    text += Part("scope-affected", TraceValueAt(engine->OutputSpectrumTrace(), ghz), "dB", 1);
  if (freqView->showPhase)
    text += Part("phase", TraceValueAt(engine->ScopePhaseTrace(), ghz), "deg", 1);
  if (freqView->showMagnitude)
    text += Part("magnitude", TraceValueAt(engine->ScopeMagnitudeTrace(), ghz), "dB", 2);
  return text;
}

}  // namespace tovan
