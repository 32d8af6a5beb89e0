#pragma once

#include <QObject>
#include <QString>

#include "response/response_table.h"

class QAction;
class QLabel;
class QMenu;

namespace tovan {

class CSimulatorDlg;

// "Measured response: probe.s2p (replace)": the line under the plots.
QString ScopeResponseLine(const QString& fileName, ResponseMode mode);

// The File menu's measured-response commands: "Load Scope Response...", "Clear Scope
// Response" and the check "Cascade With Modelled Scope" (unchecked: the file replaces
// the modelled scope filter). While a response is loaded a line under the plots names
// the file and the mode, and in replace mode the Bandwidth and Rolloff sliders are
// disabled. Loading or switching the mode selects the Custom preset. A child of the
// dialog; it writes only the engine's response cells.
class ScopeResponseMenu : public QObject {
  Q_OBJECT

 public:
  // Appends the three entries to `file`.
  ScopeResponseMenu(CSimulatorDlg* dialog, QMenu* file);

  // Reads `path` whole; loads it and returns true, or shows the reader's one-line
  // message in one message box, changes nothing and returns false.
  bool Load(const QString& path);
  // Puts a table already read in place with its mode, as Load and SetCascade would.
  void Use(ResponseTable table, ResponseMode mode);
  void Clear();
  void SetCascade(bool cascade);
  // The line under the plots; null until a response was first loaded.
  QLabel* Line() const { return line; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskAndLoad();
  void ShowState();
  void PlaceLine();

  CSimulatorDlg* dialog;  // the parent
  QAction* clearAction;
  QAction* cascadeAction;
  QLabel* line = nullptr;
  QString lineText;  // before eliding to the room there is
};

}  // namespace tovan
