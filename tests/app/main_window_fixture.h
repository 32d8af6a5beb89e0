#pragma once

#include <QTest>
#include <memory>

#include "app/simulator_app.h"
#include "app/simulator_dlg.h"

namespace tovan {

// The real main window and its application object, made afresh for each test by the
// Qt Test programs that drive the window.
class MainWindowFixture {
 protected:
  // A new application object and main window, not yet shown.
  void MakeMainWindow() {
    app = std::make_unique<CSimulatorApp>();
    dialog = std::make_unique<CSimulatorDlg>(app.get(), nullptr);
  }
  // The same, shown; true once the window is on screen.
  bool OpenMainWindow() {
    MakeMainWindow();
    dialog->show();
    return QTest::qWaitForWindowExposed(dialog.get());
  }
  // The window goes before the application object it refers to.
  void CloseMainWindow() {
    dialog.reset();
    app.reset();
  }

  std::unique_ptr<CSimulatorApp> app;
  std::unique_ptr<CSimulatorDlg> dialog;
};

}  // namespace tovan
