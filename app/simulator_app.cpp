#include "app/simulator_app.h"

#include <QMessageBox>
#include <QTextStream>

#include "app/screenshot.h"
#include "app/simulator_dlg.h"

namespace tovan {

bool CSimulatorApp::InitInstance() {
  CSimulatorDlg dialog(this, nullptr);
  if (!setupPath.isEmpty()) {
    const QString problem = dialog.OpenSetupFile(setupPath);
    if (!problem.isEmpty() && !screenshotPath.isEmpty()) {
      QTextStream(stderr) << "tovan: " << problem << "\n";
      exitCode = 2;
      return false;
    }
    if (!problem.isEmpty()) QMessageBox::warning(&dialog, "Open Setup", problem);
  }
  if (windowSize.isValid()) dialog.resize(windowSize.expandedTo(dialog.minimumSize()));
  if (!screenshotPath.isEmpty()) CaptureAfterTicks(dialog, screenshotPath, 2);
  dialog.exec();
  return false;
}

}  // namespace tovan
