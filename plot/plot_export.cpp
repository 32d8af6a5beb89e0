#include "plot/plot_export.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>

#include "plot/engine_view_frames.h"
#include "plot/frame_painter.h"

namespace tovan {

namespace {

bool Drawable(QSize size) {
  return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxExportSide &&
         size.height() <= kMaxExportSide;
}

QImage Picture(const PlotFrame& frame, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintPlotFrame(painter, frame, size);
  return image;
}

QByteArray Drawing(const PlotFrame& frame, QSize size) {
  QByteArray document;
  QBuffer buffer(&document);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // 96 dots per inch: the document is as many CSS pixels wide as the picture.
  generator.setResolution(96);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle("Tovan");
  {
    QPainter painter(&generator);
    PaintPlotFrame(painter, frame, size);
  }
  return document;
}

bool WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(content) == content.size() && file.flush();
}

}  // namespace

QImage RenderTimeView(SignalEngine& engine, QSize size, const TimeViewStyle& style) {
  if (!Drawable(size)) return {};
  const PlotExtent extent = PlotExtentForPixels(size.width(), size.height());
  return Picture(TimeViewFrame(engine, style, extent), size);
}

QImage RenderFreqView(SignalEngine& engine, QSize size, const FreqViewStyle& style) {
  if (!Drawable(size)) return {};
  const PlotExtent extent = PlotExtentForPixels(size.width(), size.height());
  return Picture(FreqViewFrame(engine, style, extent), size);
}

QByteArray TimeViewSvg(SignalEngine& engine, QSize size, const TimeViewStyle& style) {
  if (!Drawable(size)) return {};
  const PlotExtent extent = PlotExtentForPixels(size.width(), size.height());
  return Drawing(TimeViewFrame(engine, style, extent), size);
}

QByteArray FreqViewSvg(SignalEngine& engine, QSize size, const FreqViewStyle& style) {
  if (!Drawable(size)) return {};
  const PlotExtent extent = PlotExtentForPixels(size.width(), size.height());
  return Drawing(FreqViewFrame(engine, style, extent), size);
}

bool ExportTimeViewPng(SignalEngine& engine, const QString& path, int width, int height,
                       const TimeViewStyle& style) {
  const QImage image = RenderTimeView(engine, QSize(width, height), style);
  return !image.isNull() && image.save(path, "PNG");
}

bool ExportFreqViewPng(SignalEngine& engine, const QString& path, int width, int height,
                       const FreqViewStyle& style) {
  const QImage image = RenderFreqView(engine, QSize(width, height), style);
  return !image.isNull() && image.save(path, "PNG");
}

bool ExportTimeViewSvg(SignalEngine& engine, const QString& path, int width, int height,
                       const TimeViewStyle& style) {
  const QByteArray document = TimeViewSvg(engine, QSize(width, height), style);
  return !document.isEmpty() && WriteFile(path, document);
}

bool ExportFreqViewSvg(SignalEngine& engine, const QString& path, int width, int height,
                       const FreqViewStyle& style) {
  const QByteArray document = FreqViewSvg(engine, QSize(width, height), style);
  return !document.isEmpty() && WriteFile(path, document);
}

}  // namespace tovan
