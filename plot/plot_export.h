#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "plot/view_style.h"

namespace tovan {

class SignalEngine;

// Pictures of the two plot views without any window or GL context, for reports and
// scripts: the same frames the panes draw (engine traces, grid rules, colours, line
// widths, drawing order), painted with QPainter. Nothing here needs a QGuiApplication
// or a display: no text is drawn.
//
// A picture of width x height pixels uses the plot units of that size (shorter side
// 250 units) with y upwards, as the panes do; line widths are in pixels as on screen,
// lines are not antialiased, stippled grid lines are 1 pixel on, 1 pixel off. The
// engine is brought up to date through its accessors, asked in the panes' order.

// The largest side a picture may have (the raster painter's coordinates are 16-bit).
inline constexpr int kMaxExportSide = 16384;

// The picture, or a null image when either side is below 1 or above kMaxExportSide.
QImage RenderTimeView(SignalEngine& engine, QSize size, const TimeViewStyle& style = {});
QImage RenderFreqView(SignalEngine& engine, QSize size, const FreqViewStyle& style = {});

// An SVG document of the same picture: width x height user units (one per pixel; the
// stated size is that at 96 dots per inch), the background as a filled rectangle,
// then each stroke's connected segments as polylines in drawing order. Empty for the
// sizes that give no picture.
QByteArray TimeViewSvg(SignalEngine& engine, QSize size, const TimeViewStyle& style = {});
QByteArray FreqViewSvg(SignalEngine& engine, QSize size, const FreqViewStyle& style = {});

// Files of those pictures. False for the sizes that give no picture (no file is
// written then) or when the file cannot be written.
bool ExportTimeViewPng(SignalEngine& engine, const QString& path, int width, int height,
                       const TimeViewStyle& style = {});
bool ExportFreqViewPng(SignalEngine& engine, const QString& path, int width, int height,
                       const FreqViewStyle& style = {});
bool ExportTimeViewSvg(SignalEngine& engine, const QString& path, int width, int height,
                       const TimeViewStyle& style = {});
bool ExportFreqViewSvg(SignalEngine& engine, const QString& path, int width, int height,
                       const FreqViewStyle& style = {});

}  // namespace tovan
