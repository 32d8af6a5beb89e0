#pragma once

#include <QByteArray>
#include <QDialog>
#include <QIcon>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

#include "app/binding_control.h"
#include "app/dialog_units.h"
#include "app/held_reference.h"
#include "app/int_slider_binding.h"
#include "app/slider_binding.h"
#include "engine/signal_engine.h"
#include "setup/setup.h"

class QAbstractButton;
class QMenu;
class QMenuBar;
class QPushButton;

namespace tovan {

class CErrorAdjustDlg;
class CFreqDomainView;
class CScopeChooserDlg;
class CSimulatorApp;
class CTimeDomainView;
class EyeReadout;
class ScaleStrip;
class ScopeResponseMenu;
class StatEyeWindow;

// The main window (template 102, "Tovan 1.0"): owns the engine, the two plot views,
// the six control bindings and, while shown, the two side dialogs. Controls only
// write engine inputs and view flags; the views show the result at their next tick.
// Construction applies preset `presetIndex` to the engine and then initialises the
// dialog (menu, views, check boxes, bindings, the eye read-out under the controls).
// The template's size is the smallest; a larger window grows the plots and moves the
// other controls as main_dialog_layout.h says.
class CSimulatorDlg : public QDialog {
  Q_OBJECT

 public:
  CSimulatorDlg(CSimulatorApp* app, QWidget* parent);
  ~CSimulatorDlg() override;

  // Does nothing for the current preset; otherwise stores it and either applies it
  // (a row) or shows "Custom" in an open chooser (kCustomPreset).
  void SelectPreset(int index);
  // Writes preset row presetIndex into the engine's scope cells; refreshing
  // controls updates the scope bindings and an open flatness dialog.
  void ApplyPreset(bool refreshControls);

  // A scroll notification from the slider or spin control `controlId`; any other
  // id shows "Inavlid slider." and changes nothing.
  void OnVScroll(int controlId);
  // Check box `controlId` now has `checked`: stored in the view flag it names.
  void OnCheckBox(int controlId, bool checked);
  // Button 1058: flips show3BitCells (always a stamping write) and its caption.
  void OnShowBitCells();
  void OnToggleFlatnessDialog(bool checked);
  void OnToggleChooser(bool checked);
  // Unchecks the toggle of side dialog `side` once the current event is done: how a
  // close box that a window manager adds to a side dialog hides it.
  void HideSideDialogLater(const QDialog* side);

  // Setup files (simulator_setup.cpp). Opening reads the whole file and its response
  // file first: a refused one returns its one-line message and changes nothing; a
  // good one is loaded.
  QString OpenSetupFile(const QString& path);
  // Every control, view flag, side dialog and the chooser follow the setup; the
  // response is cleared (a response block is put in place by OpenSetupFile) and a
  // statEye block goes to the Statistical Eye window's controls, or waits for the
  // window to open.
  void LoadSetup(const Setup& setup);
  // The engine's cells with the preset selection and the view flags, the loaded
  // response, and the statistical eye's values once its window exists or a setup
  // gave them.
  Setup CurrentSetup() const;
  // "" or the message saying why the file could not be written.
  QString SaveSetupFile(const QString& path) const;

  // The held reference (simulator_reference.cpp): holding freezes the current traces
  // and eye figures, which both views draw dimmed under the live traces and the
  // read-out compares with, until cleared; holding again replaces it.
  void HoldReference();
  void ClearReference();
  const HeldReference* Reference() const { return reference.get(); }

  SignalEngine& Engine() { return engine; }
  CSimulatorApp* App() const { return app; }
  CTimeDomainView* TimeView() const { return timeView; }
  CFreqDomainView* FreqView() const { return freqView; }
  CErrorAdjustDlg* FlatnessDialog() const { return flatnessDlg; }
  CScopeChooserDlg* ChooserDialog() const { return chooserDlg; }
  // The area below the menu bar that holds the template's controls.
  QWidget* Client() const { return client; }
  EyeReadout* Readout() const { return readout; }
  StatEyeWindow* StatEyeWin() const { return statEyeWindow.get(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnInitDialog();
  void BuildMenu();
  void BuildFileMenu(QMenu* file);
  void BuildViewMenu(QMenu* view);
  void BuildHelpMenu(QMenu* help);
  // The settings line report figures carry (document/settings_line.h).
  std::string FigureTitle() const;
  void AddSetupMenuEntries(QMenu* file);
  void AddReferenceMenuEntries(QMenu* file);
  void RunOpenSetupCommand();
  void RunSaveSetupCommand();
  void LayOut();
  int ReadoutHeight() const;
  void CreateViews();
  void InitCheckBoxes();
  void MarkTraceBoxes();
  void ConnectControls();
  void CreateBindings();
  template <class Binding>
  void AddValueEntry(int controlId, int boxId, Binding& binding);
  void SwitchToCustom();
  int* ViewFlag(int controlId);
  template <class Dialog>
  void ToggleSideDialog(Dialog*& dialog, std::optional<QByteArray>& placement, bool checked);
  void DestroySideDialogs();
  QPoint FirstPlaceOf(const QWidget& side) const;

  QIcon icon;
  CSimulatorApp* app;
  SignalEngine engine;
  QMenuBar* menu = nullptr;
  CTimeDomainView* timeView = nullptr;
  CFreqDomainView* freqView = nullptr;
  CErrorAdjustDlg* flatnessDlg = nullptr;
  std::optional<QByteArray> flatnessPlacement;
  CScopeChooserDlg* chooserDlg = nullptr;
  std::optional<QByteArray> chooserPlacement;
  QWidget* client = nullptr;
  std::vector<QWidget*> templateControls;  // one per template row
  std::vector<QRect> templatePlaces;       // their places at the template's size
  QSize templateClientSize;
  DialogBaseUnits units{};
  EyeReadout* readout = nullptr;
  ScaleStrip* timeStrip = nullptr;  // owned by the plots' placeholders
  ScaleStrip* freqStrip = nullptr;
  QPushButton* bitCellButton = nullptr;
  QAbstractButton* flatnessToggle = nullptr;
  QAbstractButton* chooserToggle = nullptr;
  int initialPrintColors = 0;
  std::unique_ptr<HeldReference> reference;

  // The Qt adapters the bindings drive; they outlive the bindings.
  std::vector<std::unique_ptr<BindingControl>> controlAdapters;
  std::vector<std::unique_ptr<BindingText>> textAdapters;
  std::unique_ptr<CSliderBinding> bitrateBinding;
  std::unique_ptr<CIntSliderBinding> risetimeBinding;
  std::unique_ptr<CSliderBinding> bandwidthBinding;
  std::unique_ptr<CSliderBinding> rolloffBinding;
  std::unique_ptr<CIntSliderBinding> groupDelayBinding;
  std::unique_ptr<CIntSliderBinding> samplesPerBitBinding;
  // A window of its own (no parent: Enter reaches its controls), closed with this one.
  std::unique_ptr<StatEyeWindow> statEyeWindow;
  // A setup's statistical-eye values while the window does not exist yet.
  std::optional<StatEyeSetup> waitingStatEye;
  ScopeResponseMenu* responseMenu = nullptr;  // a child
};

}  // namespace tovan
