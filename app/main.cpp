#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include "app/simulator_app.h"
#include "app/surface_format.h"

// The application object, constructed before anything runs.
tovan::CSimulatorApp theApp;

int main(int argc, char* argv[]) {
  tovan::SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments().mid(1);
  if (arguments.size() == 2 && arguments[0] == "--screenshot") {
    theApp.screenshotPath = arguments[1];
  } else if (!arguments.isEmpty()) {
    QTextStream(stderr) << "usage: tovan [--screenshot FILE.png]\n";
    return 2;
  }
  theApp.InitInstance();
  return 0;
}
