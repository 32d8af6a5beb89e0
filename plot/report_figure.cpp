#include "plot/report_figure.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <functional>

#include "engine/signal_engine.h"
#include "plot/axes_painter.h"
#include "plot/engine_view_frames.h"
#include "plot/frame_painter.h"
#include "plot/plot_export.h"
#include "plot/plot_extent.h"

namespace tovan {

namespace {

constexpr int kPadding = 10;
constexpr int kLegendSample = 24;  // length of the coloured line before a name

// Everything a figure shows besides the plot itself.
struct FigureParts {
  PlotFrame frame;
  ViewAxes axes;
  std::vector<LegendEntry> legend;
  QString title;
};

QColor ToQColor(RgbColor color) { return QColor::fromRgbF(color.red, color.green, color.blue); }

// Title, then legend line, above the axes; the plot area placed inside. The title
// wraps at blanks where it is wider than the rest of the figure.
struct FigureLayout {
  QSize size;
  QRect plotArea;
  QRect title;
  int legendTop = 0;
};

constexpr int kTitleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

FigureLayout LayoutFor(const FigureParts& parts, QSize plotSize, const AxesLook& look) {
  const QFontMetrics metrics(look.font);
  const QMargins axes = AxesMargins(parts.axes, look);
  const int left = kPadding + axes.left();
  const int width = left + plotSize.width() + axes.right() + kPadding;
  FigureLayout layout;
  layout.title = metrics.boundingRect(QRect(kPadding, kPadding, width - 2 * kPadding, 100000),
                                      kTitleFlags, parts.title);
  layout.legendTop = layout.title.bottom() + 1 + kPadding / 2;
  const int top = layout.legendTop + metrics.height() + kPadding + axes.top();
  layout.plotArea = QRect(QPoint(left, top), plotSize);
  layout.size = QSize(std::max(width, layout.title.right() + 1 + kPadding),
                      top + plotSize.height() + axes.bottom() + kPadding);
  return layout;
}

void PaintLegend(QPainter& painter, const FigureParts& parts, const FigureLayout& layout,
                 const AxesLook& look) {
  const QFontMetrics metrics(look.font);
  int x = layout.plotArea.left();
  const int middle = layout.legendTop + metrics.height() / 2;
  for (const LegendEntry& entry : parts.legend) {
    painter.setPen(QPen(ToQColor(entry.color), 2));
    painter.drawLine(x, middle, x + kLegendSample, middle);
    x += kLegendSample + kPadding / 2;
    const QString name = QString::fromStdString(entry.name);
    painter.setPen(look.ink);
    painter.drawText(QPoint(x, layout.legendTop + metrics.ascent()), name);
    x += metrics.horizontalAdvance(name) + 2 * kPadding;
  }
}

void PaintFigure(QPainter& painter, const FigureParts& parts, const FigureLayout& layout,
                 QSize plotSize, const AxesLook& look) {
  painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
  painter.save();
  painter.translate(layout.plotArea.topLeft());
  // Traces beyond a scale end at the plot's edge, as in the window and the bare picture.
  painter.setClipRect(QRect(QPoint(0, 0), plotSize));
  PaintPlotFrame(painter, parts.frame, plotSize);
  painter.restore();
  PaintAxes(painter, layout.plotArea, parts.axes, look);
  painter.setFont(look.font);
  painter.setPen(look.ink);
  painter.drawText(layout.title, kTitleFlags, parts.title);
  PaintLegend(painter, parts, layout, look);
}

AxesLook FigureLook() { return {QGuiApplication::font(), Qt::black, true}; }

bool Drawable(QSize size) {
  return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxExportSide &&
         size.height() <= kMaxExportSide;
}

QImage Image(const FigureParts& parts, QSize plotSize) {
  const AxesLook look = FigureLook();
  const FigureLayout layout = LayoutFor(parts, plotSize, look);
  QImage image(layout.size, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintFigure(painter, parts, layout, plotSize, look);
  return image;
}

QByteArray Drawing(const FigureParts& parts, QSize plotSize) {
  const AxesLook look = FigureLook();
  const FigureLayout layout = LayoutFor(parts, plotSize, look);
  QByteArray document;
  QBuffer buffer(&document);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(96);
  generator.setSize(layout.size);
  generator.setViewBox(QRect(QPoint(0, 0), layout.size));
  generator.setTitle("Tovan");
  {
    QPainter painter(&generator);
    PaintFigure(painter, parts, layout, plotSize, look);
  }
  return document;
}

FigureParts TimeParts(SignalEngine& engine, QSize plotSize, const TimeViewStyle& style,
                      const std::string& title) {
  const PlotExtent extent = PlotExtentForPixels(plotSize.width(), plotSize.height());
  FigureParts parts;
  parts.frame = TimeViewFrame(engine, style, extent);
  parts.axes = TimeViewAxes(engine.show3BitCells.value ? 3 : 1, engine.bitrate.value);
  parts.legend = TimeViewLegend(style.layers);
  parts.title = QString::fromStdString(title);
  return parts;
}

FigureParts FreqParts(SignalEngine& engine, QSize plotSize, const FreqViewStyle& style,
                      const std::string& title) {
  const PlotExtent extent = PlotExtentForPixels(plotSize.width(), plotSize.height());
  FigureParts parts;
  parts.frame = FreqViewFrame(engine, style, extent);
  parts.axes = FreqViewAxes();
  parts.legend = FreqViewLegend(style.layers);
  parts.title = QString::fromStdString(title);
  return parts;
}

bool SaveAtomically(const QString& path, const QByteArray& content) {
  if (content.isEmpty()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  return file.write(content) == content.size() && file.commit();
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (image.isNull() || !image.save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace

std::vector<LegendEntry> TimeViewLegend(const TimeDomainLayers& layers) {
  std::vector<LegendEntry> legend;
  if (layers.showInput) legend.push_back({"Input bit pattern", kOrangeTrace});
  if (layers.showOutput) legend.push_back({"Scope-affected bit pattern", kBlueTrace});
  return legend;
}

std::vector<LegendEntry> FreqViewLegend(const FreqDomainLayers& layers) {
  std::vector<LegendEntry> legend;
  if (layers.showInputSpectrum) legend.push_back({"Input spectrum (dB)", kOrangeTrace});
  if (layers.showOutputSpectrum) legend.push_back({"Scope-affected spectrum (dB)", kBlueTrace});
  if (layers.showPhase) legend.push_back({"Scope phase (deg)", kGreenTrace});
  if (layers.showMagnitude) legend.push_back({"Scope magnitude (dB)", kCrimsonTrace});
  return legend;
}

QImage TimeFigure(SignalEngine& engine, QSize plotSize, const TimeViewStyle& style,
                  const std::string& title) {
  if (!Drawable(plotSize)) return {};
  return Image(TimeParts(engine, plotSize, style, title), plotSize);
}

QImage FreqFigure(SignalEngine& engine, QSize plotSize, const FreqViewStyle& style,
                  const std::string& title) {
  if (!Drawable(plotSize)) return {};
  return Image(FreqParts(engine, plotSize, style, title), plotSize);
}

QByteArray TimeFigureSvg(SignalEngine& engine, QSize plotSize, const TimeViewStyle& style,
                         const std::string& title) {
  if (!Drawable(plotSize)) return {};
  return Drawing(TimeParts(engine, plotSize, style, title), plotSize);
}

QByteArray FreqFigureSvg(SignalEngine& engine, QSize plotSize, const FreqViewStyle& style,
                         const std::string& title) {
  if (!Drawable(plotSize)) return {};
  return Drawing(FreqParts(engine, plotSize, style, title), plotSize);
}

bool ExportTimeFigure(SignalEngine& engine, const QString& path, QSize plotSize,
                      const TimeViewStyle& style, const std::string& title, bool svg) {
  return SaveAtomically(path, svg ? TimeFigureSvg(engine, plotSize, style, title)
                                  : PngBytes(TimeFigure(engine, plotSize, style, title)));
}

bool ExportFreqFigure(SignalEngine& engine, const QString& path, QSize plotSize,
                      const FreqViewStyle& style, const std::string& title, bool svg) {
  return SaveAtomically(path, svg ? FreqFigureSvg(engine, plotSize, style, title)
                                  : PngBytes(FreqFigure(engine, plotSize, style, title)));
}

}  // namespace tovan
