#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include "app/program_arguments.h"
#include "app/simulator_app.h"
#include "app/surface_format.h"

// The application object, constructed before anything runs.
tovan::CSimulatorApp theApp;

int main(int argc, char* argv[]) {
  // Read before the application object exists, so that a usage error needs no display.
  QStringList words;
  for (int i = 1; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
  const std::optional<tovan::ProgramArguments> arguments = tovan::ParseProgramArguments(words);
  if (!arguments) {
    QTextStream(stderr) << tovan::kProgramUsage << "\n";
    return 2;
  }
  tovan::SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  theApp.screenshotPath = arguments->screenshotPath;
  theApp.windowSize = arguments->windowSize;
  theApp.setupPath = arguments->setupPath;
  theApp.InitInstance();
  return theApp.exitCode;
}
