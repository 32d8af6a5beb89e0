#include "plot/frame_painter.h"

#include <QPainter>
#include <QPolygonF>

#include "plot/pixel_mapping.h"
#include "plot/stroke_runs.h"

namespace tovan {

namespace {

QColor ToQColor(RgbColor color) { return QColor::fromRgbF(color.red, color.green, color.blue); }

QPen StrokePen(const PlotStroke& stroke) {
  QPen pen(ToQColor(stroke.color));
  pen.setWidthF(stroke.lineWidth);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::BevelJoin);
  if (stroke.stippled) {
    // Dash lengths count in pen widths; the stipple counts in pixels.
    const qreal pixel = stroke.lineWidth > 0.0f ? 1.0 / stroke.lineWidth : 1.0;
    pen.setDashPattern({pixel, pixel});
  }
  return pen;
}

}  // namespace

void PaintPlotFrame(QPainter& painter, const PlotFrame& frame, QSize size) {
  const PixelMapping map = PixelMappingFor(frame.extent, size.width(), size.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRectF(0, 0, size.width(), size.height()), ToQColor(frame.background));
  painter.setBrush(Qt::NoBrush);
  for (const PlotStroke& stroke : frame.strokes) {
    painter.setPen(StrokePen(stroke));
    for (const std::vector<float>& run : ConnectedRuns(stroke)) {
      QPolygonF line;
      line.reserve(static_cast<qsizetype>(run.size() / 2));
      for (size_t i = 0; i + 1 < run.size(); i += 2)
        line.append(QPointF(map.X(run[i]), map.Y(run[i + 1])));
      painter.drawPolyline(line);
    }
  }
  painter.restore();
}

}  // namespace tovan
