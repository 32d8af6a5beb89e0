#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <future>
#include <optional>

#include "setup/setup.h"
#include "stateye/stat_eye.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace tovan {

class SignalEngine;

// The "Statistical Eye" window: RJ, DJ, noise and target-BER controls above the
// picture of stat_eye_picture.h, with PNG and SVG export. It follows the main
// window's sliders: on its own timer (the views' 200 ms tick) it starts a new
// computation when the engine's OutputStamp or its settings have changed since the
// last one, on a worker thread, so a tick never waits for it; the picture shows the
// latest finished result. A target BER that is not a number between 0 and 0.5 is
// refused with one message box and the previous value stays.
class StatEyeWindow : public QDialog {
  Q_OBJECT

 public:
  explicit StatEyeWindow(SignalEngine* engine, QWidget* parent = nullptr);
  ~StatEyeWindow() override;

  // One timer tick: collects a finished result and starts the next computation.
  void OnTick();
  // The settings the controls show.
  StatEyeSettings Settings() const { return settings; }
  // The controls' values as a setup file keeps them (noise in mV).
  StatEyeSetup ControlValues() const;
  // Sets the controls as typing the values would.
  void SetControlValues(const StatEyeSetup& values);
  // The result on show, if any.
  const std::optional<StatEye>& Shown() const { return shown; }
  // True while a computation runs.
  bool Computing() const { return pending.valid(); }
  int ComputeCount() const { return computeCount; }

 private:
  void BuildControls();
  void ApplyTargetBer();
  void OnSpreadChanged();
  void Export(bool svg);

  SignalEngine* engine;  // not owned
  StatEyeSettings settings;
  QDoubleSpinBox *rjBox = nullptr, *djBox = nullptr, *noiseBox = nullptr;
  QLineEdit* berEdit = nullptr;
  QLabel* status = nullptr;
  QWidget* canvas = nullptr;
  QTimer timer;
  std::future<StatEye> pending;
  std::optional<StatEye> shown;
  std::optional<std::uint32_t> computedStamp;
  StatEyeSettings computedSettings;
  bool berDialogOpen = false;
  int computeCount = 0;
};

}  // namespace tovan
