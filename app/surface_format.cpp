#include "app/surface_format.h"

#include <QSurfaceFormat>

namespace tovan {

void SetDefaultPlotSurfaceFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setVersion(2, 1);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(0);
  format.setDepthBufferSize(16);
  format.setStencilBufferSize(0);
  format.setSamples(0);
  QSurfaceFormat::setDefaultFormat(format);
}

}  // namespace tovan
