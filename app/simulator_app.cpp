#include "app/simulator_app.h"

#include "app/screenshot.h"
#include "app/simulator_dlg.h"

namespace tovan {

bool CSimulatorApp::InitInstance() {
  CSimulatorDlg dialog(this, nullptr);
  if (windowSize.isValid()) dialog.resize(windowSize.expandedTo(dialog.minimumSize()));
  if (!screenshotPath.isEmpty()) CaptureAfterTicks(dialog, screenshotPath, 2);
  dialog.exec();
  return false;
}

}  // namespace tovan
