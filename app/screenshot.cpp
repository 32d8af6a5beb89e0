#include "app/screenshot.h"

#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "app/simulator_dlg.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

namespace tovan {

namespace {

// The window with the plots' current frames laid over their panes.
QImage DialogPicture(CSimulatorDlg& dialog) {
  QImage picture = dialog.grab().toImage();
  QPainter painter(&picture);
  for (CGLPlotWnd* view :
       {static_cast<CGLPlotWnd*>(dialog.TimeView()), static_cast<CGLPlotWnd*>(dialog.FreqView())}) {
    const QRect area(view->mapTo(&dialog, QPoint(0, 0)), view->size());
    painter.drawImage(area, view->grabFramebuffer());
  }
  return picture;
}

}  // namespace

void CaptureAfterTicks(CSimulatorDlg& dialog, const QString& path, int ticks) {
  auto capture = [&dialog, path, ticks] {
    if (dialog.TimeView()->TickCount() < ticks || dialog.FreqView()->TickCount() < ticks) return;
    if (!dialog.isVisible()) return;
    if (!DialogPicture(dialog).save(path, "PNG"))
      QTextStream(stderr) << "Could not write " << path << "\n";
    dialog.done(QDialog::Accepted);
  };
  QObject::connect(dialog.TimeView(), &CGLPlotWnd::ticked, &dialog, capture, Qt::QueuedConnection);
  QObject::connect(dialog.FreqView(), &CGLPlotWnd::ticked, &dialog, capture, Qt::QueuedConnection);
}

}  // namespace tovan
