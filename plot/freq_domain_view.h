#pragma once

#include "plot/gl_plot_wnd.h"
#include "plot/view_style.h"

namespace tovan {

class SignalEngine;
struct ReferenceTraces;

// The lower plot over 0 to 10 GHz: input and scope-affected spectra (0 to -60 dB),
// the scope's phase (+-200 degrees) and magnitude (+-5 dB) over a 10 x 10 grid. The
// flags are the main dialog's check boxes 1024, 1026, 1028, 1029 and 1030.
class CFreqDomainView : public CGLPlotWnd {
  Q_OBJECT

 public:
  CFreqDomainView(QWidget* placeholder, SignalEngine* engine, int printColors);

  SignalEngine* engine;  // not owned
  // Drawn dimmed under the live traces while set (not owned); nullptr draws as ever.
  const ReferenceTraces* reference = nullptr;
  int showGrid = 1;
  int showMagnitude = 1;
  int showPhase = 1;
  int showInputSpectrum = 1;
  int showOutputSpectrum = 1;
  float gridLineWidth = 1.0f;
  float magnitudeLineWidth = 2.0f;
  float phaseLineWidth = 2.0f;
  float inputSpectrumLineWidth = 1.0f;
  float outputSpectrumLineWidth = 1.0f;

  // The flags and widths above with the background scheme, as one value.
  FreqViewStyle Style() const;
  // The frame Render draws, from the engine's current traces (and the reference).
  PlotFrame BuildFrame();

  bool ExportPng(const QString& path, QSize size) override;
  bool ExportSvg(const QString& path, QSize size) override;
  bool ExportFigure(const QString& path, QSize size, bool svg, const std::string& title) override;

 protected:
  void Render() override;
};

}  // namespace tovan
