#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QString>

#include "stateye/stat_eye.h"

class QPainter;

namespace tovan {

// The statistical eye's picture, drawn with QPainter for the window and for PNG and
// SVG files alike: the BER map as a colour image with its contour lines and colour
// bar, the horizontal and vertical bathtubs on logarithmic BER axes, and the figures
// with the settings they were computed for.

// The map's colour scale runs over log10 BER from kLowestShownLog10Ber (and below) to 0.
inline constexpr double kLowestShownLog10Ber = -20.0;

// Where log10 BER lies on the colour scale: 0 at kLowestShownLog10Ber or below, 1 at 0.
double ColourFraction(double log10Ber);
// The perceptually even viridis colour map, dark violet at 0 to yellow at 1, linear
// between nine anchors.
QRgb ViridisColour(double fraction);

// The map as an image of map.columns x map.rows pixels, the lowest threshold at the bottom.
QImage BerMapImage(const BerMap& map);

void PaintStatEye(QPainter& painter, const QRectF& area, const StatEye& eye);

// A picture of `size` pixels (null or empty for sizes below 64 x 64).
QImage RenderStatEye(const StatEye& eye, QSize size);
QByteArray StatEyeSvg(const StatEye& eye, QSize size);

// Writes the picture to `path` through a temporary file; false when that fails.
bool ExportStatEyePng(const StatEye& eye, const QString& path, QSize size);
bool ExportStatEyeSvg(const StatEye& eye, const QString& path, QSize size);

}  // namespace tovan
