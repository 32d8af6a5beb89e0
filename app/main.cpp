#include <QApplication>
#include <QTextStream>

#include "app/program_arguments.h"
#include "app/simulator_app.h"
#include "app/surface_format.h"

// The application object, constructed before anything runs.
tovan::CSimulatorApp theApp;

int main(int argc, char* argv[]) {
  tovan::SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  const std::optional<tovan::ProgramArguments> arguments =
      tovan::ParseProgramArguments(QApplication::arguments().mid(1));
  if (!arguments) {
    QTextStream(stderr) << tovan::kProgramUsage << "\n";
    return 2;
  }
  theApp.screenshotPath = arguments->screenshotPath;
  theApp.windowSize = arguments->windowSize;
  theApp.InitInstance();
  return 0;
}
