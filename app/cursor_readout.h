#pragma once

#include <QObject>
#include <QPointF>
#include <QString>

namespace tovan {

class CFreqDomainView;
class CTimeDomainView;
class SignalEngine;

// What the pointer reads over the plots, shown in a tool tip beside it at once on
// every move (not on the plots' timer) and hidden when it leaves. Nothing runs
// while the pointer is elsewhere.
//
// Time view: time from the slice's start in ps and UI, and the level in V.
// Frequency view: the frequency in GHz and, for each trace shown, its value there
// (interpolated between the engine's trace points).
class CursorReadout : public QObject {
  Q_OBJECT

 public:
  CursorReadout(SignalEngine* engine, CTimeDomainView* timeView, CFreqDomainView* freqView,
                QObject* parent);

  // The texts for a pointer at `position` (pixels from the pane's top-left).
  QString TimeText(QPointF position) const;
  QString FreqText(QPointF position) const;

 private:
  SignalEngine* engine;  // not owned
  CTimeDomainView* timeView;
  CFreqDomainView* freqView;
};

}  // namespace tovan
