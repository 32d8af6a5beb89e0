#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "plot/plot_colors.h"
#include "plot/view_style.h"

namespace tovan {

class SignalEngine;

// Report figures of the two views: the bare picture (plot/plot_export.h) of
// plotSize pixels, unchanged, with axes around it (plot/view_axes.h), a legend
// naming each shown trace in its colour and a title line, black on white. Unlike
// the bare pictures these draw text and so need a QGuiApplication (fonts).

struct LegendEntry {
  std::string name;
  RgbColor color;
};

// The legends: the shown traces in drawing order.
std::vector<LegendEntry> TimeViewLegend(const TimeDomainLayers& layers);
std::vector<LegendEntry> FreqViewLegend(const FreqDomainLayers& layers);

// The figure, or a null image / empty document for a plot size that gives no bare
// picture. `title` is the line of settings (document/settings_line.h).
QImage TimeFigure(SignalEngine& engine, QSize plotSize, const TimeViewStyle& style,
                  const std::string& title);
QImage FreqFigure(SignalEngine& engine, QSize plotSize, const FreqViewStyle& style,
                  const std::string& title);
QByteArray TimeFigureSvg(SignalEngine& engine, QSize plotSize, const TimeViewStyle& style,
                         const std::string& title);
QByteArray FreqFigureSvg(SignalEngine& engine, QSize plotSize, const FreqViewStyle& style,
                         const std::string& title);

// Files of those figures, PNG or (svg) SVG, written to a temporary name and renamed.
// False for the sizes that give no figure (nothing is written) or when the file
// cannot be written.
bool ExportTimeFigure(SignalEngine& engine, const QString& path, QSize plotSize,
                      const TimeViewStyle& style, const std::string& title, bool svg);
bool ExportFreqFigure(SignalEngine& engine, const QString& path, QSize plotSize,
                      const FreqViewStyle& style, const std::string& title, bool svg);

}  // namespace tovan
