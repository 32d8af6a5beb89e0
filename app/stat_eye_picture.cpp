#include "app/stat_eye_picture.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "app/display_units.h"
#include "document/stat_eye_json.h"

namespace tovan {
namespace {

constexpr int kSmallestSide = 64;
constexpr std::array<QRgb, 9> kViridis{0x440154, 0x472c7a, 0x3b518b, 0x2c718e, 0x21908d,
                                        0x27ad81, 0x5cc863, 0xaadc32, 0xfde725};
const QColor kBackground(255, 255, 255);
const QColor kInk(32, 32, 32);
const QColor kGridColour(215, 215, 215);
const QColor kTargetColour(230, 40, 40);
const QColor kContourColour(255, 255, 255);
const QColor kBathtubColour(20, 90, 200);

// A plot's rectangle with the data ranges it shows; y grows upwards.
struct Axes {
  QRectF box;
  double x0, x1, y0, y1;
  QPointF At(double x, double y) const {
    return {box.left() + (x - x0) / (x1 - x0) * box.width(), box.bottom() - (y - y0) / (y1 - y0) * box.height()};
  }
};

QString BerLabel(double log10Ber) { return QString("1e%1").arg(static_cast<int>(std::lround(log10Ber))); }

// Tick values from `first` in steps of `step` up to `last`.
std::vector<double> Ticks(double first, double last, double step) {
  std::vector<double> ticks;
  for (double t = first; t <= last + 1e-9 * std::abs(step); t += step) ticks.push_back(t);
  return ticks;
}

void DrawXTicks(QPainter& p, const Axes& a, const std::vector<double>& ticks,
                const std::function<QString(double)>& label) {
  const QFontMetricsF fm(p.font());
  for (double t : ticks) {
    const QPointF at = a.At(t, a.y0);
    p.setPen(kGridColour);
    p.drawLine(QPointF(at.x(), a.box.top()), QPointF(at.x(), a.box.bottom()));
    p.setPen(kInk);
    const QString text = label(t);
    p.drawText(QPointF(at.x() - fm.horizontalAdvance(text) / 2, a.box.bottom() + fm.ascent() + 2), text);
  }
}

void DrawYTicks(QPainter& p, const Axes& a, const std::vector<double>& ticks,
                const std::function<QString(double)>& label) {
  const QFontMetricsF fm(p.font());
  for (double t : ticks) {
    const QPointF at = a.At(a.x0, t);
    p.setPen(kGridColour);
    p.drawLine(QPointF(a.box.left(), at.y()), QPointF(a.box.right(), at.y()));
    p.setPen(kInk);
    const QString text = label(t);
    p.drawText(QPointF(a.box.left() - fm.horizontalAdvance(text) - 4, at.y() + fm.ascent() / 2 - 1), text);
  }
}

void DrawFrameAndTitles(QPainter& p, const Axes& a, const QString& xTitle, const QString& yTitle) {
  const QFontMetricsF fm(p.font());
  p.setPen(kInk);
  p.setBrush(Qt::NoBrush);
  p.drawRect(a.box);
  p.drawText(QPointF(a.box.center().x() - fm.horizontalAdvance(xTitle) / 2, a.box.bottom() + 2 * fm.height() + 2),
             xTitle);
  p.save();
  p.translate(a.box.left() - 3.2 * fm.height() - fm.averageCharWidth() * 3, a.box.center().y() + fm.horizontalAdvance(yTitle) / 2);
  p.rotate(-90);
  p.drawText(QPointF(0, 0), yTitle);
  p.restore();
}

QString PhaseLabel(double ui) { return QString::number(ui, 'g', 3); }
QString MillivoltLabel(double volts) { return QString::number(std::lround(volts * kMillivoltsPerVolt)); }

double MillivoltStep(double spanVolts) {
  const double span = spanVolts * kMillivoltsPerVolt;
  for (double step : {50.0, 100.0, 200.0, 250.0, 500.0, 1000.0})
    if (span / step <= 8.0) return step / kMillivoltsPerVolt;
  return 2.0;
}

void DrawContourLines(QPainter& p, const Axes& a, const StatEye& eye) {
  for (const BerContour& contour : eye.contours) {
    const bool target = contour.ber == eye.settings.targetBer;
    p.setPen(QPen(target ? kTargetColour : kContourColour, target ? 2.0 : 1.2));
    for (const ContourLine& line : contour.lines) {
      QPainterPath path;
      for (std::size_t i = 0; i < line.size(); ++i) {
        const QPointF at = a.At(line[i][0], line[i][1]);
        if (i == 0) path.moveTo(at); else path.lineTo(at);
      }
      p.drawPath(path);
    }
  }
}

// Each level's label at its own place along the eye's line (or the first line), so that
// labels of close levels do not cover each other; after every line, so none covers a label.
void DrawContourLabels(QPainter& p, const Axes& a, const StatEye& eye) {
  const QFontMetricsF fm(p.font());
  std::size_t level = 0;
  for (const BerContour& contour : eye.contours) {
    const ContourLine& labelled =
        !contour.eye.empty() ? contour.eye : (contour.lines.empty() ? contour.eye : contour.lines.front());
    if (labelled.empty()) continue;
    const std::size_t place = labelled.size() * (level + 1) / (eye.contours.size() + 1);
    ++level;
    const QString text = QString::fromStdString(BerKey(contour.ber));
    const double width = fm.horizontalAdvance(text) + 4;
    const QPointF at = a.At(labelled[place][0], labelled[place][1]);
    const QRectF label(at.x() - width / 2, at.y() - fm.height() / 2, width, fm.height());
    p.fillRect(label, QColor(0, 0, 0, 150));
    p.setPen(contour.ber == eye.settings.targetBer ? QColor(255, 150, 150) : kContourColour);
    p.drawText(label, Qt::AlignCenter, text);
  }
}

void DrawMap(QPainter& p, const Axes& a, const StatEye& eye) {
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  DrawXTicks(p, a, Ticks(0.0, 1.0, 0.25), PhaseLabel);
  DrawYTicks(p, a, Ticks(std::ceil(a.y0 / MillivoltStep(a.y1 - a.y0)) * MillivoltStep(a.y1 - a.y0), a.y1, MillivoltStep(a.y1 - a.y0)), MillivoltLabel);
  p.drawImage(a.box, BerMapImage(eye.map));  // over the grid lines the ticks drew
  DrawContourLines(p, a, eye);
  DrawContourLabels(p, a, eye);
  DrawFrameAndTitles(p, a, "phase (UI)", "threshold (mV)");
}

void DrawColourBar(QPainter& p, const QRectF& bar) {
  QImage strip(1, 256, QImage::Format_RGB32);
  for (int i = 0; i < 256; ++i) strip.setPixel(0, 255 - i, ViridisColour(i / 255.0));
  p.drawImage(bar, strip);
  p.setPen(kInk);
  p.drawRect(bar);
  const QFontMetricsF fm(p.font());
  for (double t = kLowestShownLog10Ber; t <= 0.0; t += 4.0) {
    const double y = bar.bottom() - (t - kLowestShownLog10Ber) / -kLowestShownLog10Ber * bar.height();
    p.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 3, y));
    p.drawText(QPointF(bar.right() + 5, y + fm.ascent() / 2 - 1), BerLabel(t));
  }
  p.drawText(QPointF(bar.left(), bar.top() - fm.height()), "BER");
}

void DrawCurve(QPainter& p, const Axes& a, const std::vector<double>& xs, const std::vector<double>& ys) {
  QPainterPath path;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const QPointF at = a.At(std::clamp(xs[i], a.x0, a.x1), std::clamp(ys[i], a.y0, a.y1));
    if (i == 0) path.moveTo(at); else path.lineTo(at);
  }
  p.save();
  p.setClipRect(a.box);
  p.setPen(QPen(kBathtubColour, 1.6));
  p.drawPath(path);
  p.restore();
}

void DrawTargetLine(QPainter& p, const Axes& a, double log10Target, bool vertical) {
  p.setPen(QPen(kTargetColour, 1.0, Qt::DashLine));
  if (vertical)
    p.drawLine(a.At(log10Target, a.y0), a.At(log10Target, a.y1));
  else
    p.drawLine(a.At(a.x0, log10Target), a.At(a.x1, log10Target));
}

void DrawHorizontalBathtub(QPainter& p, const Axes& a, const StatEye& eye) {
  DrawXTicks(p, a, Ticks(0.0, 1.0, 0.25), PhaseLabel);
  DrawYTicks(p, a, Ticks(kLowestShownLog10Ber, 0.0, 4.0), BerLabel);
  DrawTargetLine(p, a, Log10Ber(eye.settings.targetBer), false);
  DrawCurve(p, a, eye.horizontal.position, eye.horizontal.log10Ber);
  DrawFrameAndTitles(p, a, "phase (UI), at the mid level", "BER");
}

void DrawVerticalBathtub(QPainter& p, const Axes& a, const StatEye& eye) {
  DrawXTicks(p, a, Ticks(kLowestShownLog10Ber, 0.0, 4.0), BerLabel);
  const double step = MillivoltStep(a.y1 - a.y0);
  DrawYTicks(p, a, Ticks(std::ceil(a.y0 / step) * step, a.y1, step), MillivoltLabel);
  DrawTargetLine(p, a, Log10Ber(eye.settings.targetBer), true);
  DrawCurve(p, a, eye.vertical.log10Ber, eye.vertical.position);
  DrawFrameAndTitles(p, a, "BER, at the best phase", "threshold (mV)");
}

QString FiguresText(const StatEye& eye) {
  const QString target = QString::fromStdString(BerKey(eye.settings.targetBer));
  return QString("At BER %1:  eye height %2 mV,  eye width %3 ps,  best phase %4 UI")
      .arg(target)
      .arg(eye.figures.eyeHeight * kMillivoltsPerVolt, 0, 'f', 1)
      .arg(eye.figures.eyeWidth, 0, 'f', 1)
      .arg(eye.figures.bestPhase, 0, 'f', 3);
}

QString SettingsText(const StatEye& eye) {
  return QString("RJ %1 ps RMS,  DJ %2 ps (dual Dirac),  noise %3 mV RMS")
      .arg(eye.settings.rj, 0, 'g', 4)
      .arg(eye.settings.dj, 0, 'g', 4)
      .arg(eye.settings.noise * kMillivoltsPerVolt, 0, 'g', 4);
}

// QSaveFile writes a temporary file and renames it over `path` on commit.
bool SaveAtomically(const QString& path, const QByteArray& data) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(data) != data.size()) return false;
  return file.commit();
}

bool Drawable(QSize size) {
  return size.width() >= kSmallestSide && size.height() >= kSmallestSide && size.width() <= 16384 &&
         size.height() <= 16384;
}

}  // namespace

double ColourFraction(double log10Ber) {
  return std::clamp((log10Ber - kLowestShownLog10Ber) / -kLowestShownLog10Ber, 0.0, 1.0);
}

QRgb ViridisColour(double fraction) {
  const double x = std::clamp(fraction, 0.0, 1.0) * (kViridis.size() - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(x), kViridis.size() - 2);
  const double f = x - i;
  const auto mix = [&](int shift) {
    const int a = (kViridis[i] >> shift) & 0xff;
    const int b = (kViridis[i + 1] >> shift) & 0xff;
    return static_cast<int>(std::lround(a + (b - a) * f));
  };
  return qRgb(mix(16), mix(8), mix(0));
}

QImage BerMapImage(const BerMap& map) {
  QImage image(map.columns, map.rows, QImage::Format_RGB32);
  for (int r = 0; r < map.rows; ++r)
    for (int c = 0; c < map.columns; ++c) image.setPixel(c, map.rows - 1 - r, ViridisColour(ColourFraction(map.at(c, r))));
  return image;
}

void PaintStatEye(QPainter& p, const QRectF& area, const StatEye& eye) {
  p.fillRect(area, kBackground);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QFontMetricsF fm(p.font());
  const double line = fm.height();
  p.setPen(kInk);
  p.drawText(QPointF(area.left() + line, area.top() + line), FiguresText(eye));
  p.drawText(QPointF(area.left() + line, area.top() + 2.2 * line), SettingsText(eye));
  if (eye.map.columns < 2) return;
  const double left = area.left() + 5.5 * line;
  const double top = area.top() + 3.5 * line;
  const double bottom = area.bottom() - 3.2 * line;
  const double mapWidth = (area.width() - 5.5 * line) * 0.52;
  const Axes map{QRectF(left, top, mapWidth, bottom - top), eye.map.firstPhaseUi, eye.map.lastPhaseUi,
                 eye.map.lowVolts, eye.map.highVolts};
  DrawMap(p, map, eye);
  DrawColourBar(p, QRectF(map.box.right() + 0.8 * line, top + line, 0.9 * line, bottom - top - line));
  const double rightLeft = map.box.right() + 11.0 * line;
  const double rightWidth = area.right() - line - rightLeft;
  if (rightWidth < 4 * line) return;
  const double half = (bottom - top - 3.5 * line) / 2;
  const Axes horizontal{QRectF(rightLeft, top, rightWidth, half), 0.0, 1.0, kLowestShownLog10Ber, 0.0};
  const Axes vertical{QRectF(rightLeft, top + half + 3.5 * line, rightWidth, half), kLowestShownLog10Ber, 0.0,
                      eye.map.lowVolts, eye.map.highVolts};
  DrawHorizontalBathtub(p, horizontal, eye);
  DrawVerticalBathtub(p, vertical, eye);
}

QImage RenderStatEye(const StatEye& eye, QSize size) {
  if (!Drawable(size)) return {};
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintStatEye(painter, QRectF(QPointF(0, 0), size), eye);
  return image;
}

QByteArray StatEyeSvg(const StatEye& eye, QSize size) {
  if (!Drawable(size)) return {};
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle("Statistical eye");
  {
    QPainter painter(&generator);
    PaintStatEye(painter, QRectF(QPointF(0, 0), size), eye);
  }
  return buffer.data();
}

bool ExportStatEyePng(const StatEye& eye, const QString& path, QSize size) {
  const QImage image = RenderStatEye(eye, size);
  if (image.isNull()) return false;
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") && SaveAtomically(path, data);
}

bool ExportStatEyeSvg(const StatEye& eye, const QString& path, QSize size) {
  const QByteArray document = StatEyeSvg(eye, size);
  return !document.isEmpty() && SaveAtomically(path, document);
}

}  // namespace tovan
