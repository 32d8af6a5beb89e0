// The main window's setup files: File > Open Setup... and Save Setup..., and the file
// named on the command line.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_builder.h"
#include "app/error_adjust_dlg.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/scope_response_menu.h"
#include "app/simulator_dlg.h"
#include "app/stat_eye_window.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"
#include "response/response_file.h"
#include "response/response_options.h"
#include "setup/setup_engine.h"
#include "setup/setup_reader.h"
#include "setup/setup_writer.h"

namespace tovan {

namespace {

constexpr const char* kSetupFilter = "Tovan setup (*.json);;All files (*)";
constexpr const char* kSetupSuffix = "json";

std::filesystem::path FilePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

void CSimulatorDlg::AddSetupMenuEntries(QMenu* file) {
  file->addAction("&Open Setup...", QKeySequence::Open, this, [this] { RunOpenSetupCommand(); });
  file->addAction("&Save Setup...", QKeySequence::Save, this, [this] { RunSaveSetupCommand(); });
  file->addSeparator();
}

void CSimulatorDlg::RunOpenSetupCommand() {
  const QString path = QFileDialog::getOpenFileName(this, "Open Setup", QString(), kSetupFilter);
  if (path.isEmpty()) return;
  if (const QString problem = OpenSetupFile(path); !problem.isEmpty())
    QMessageBox::warning(this, "Open Setup", problem);
}

void CSimulatorDlg::RunSaveSetupCommand() {
  QString path = QFileDialog::getSaveFileName(this, "Save Setup", QString(), kSetupFilter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QString(".") + kSetupSuffix;
  if (const QString problem = SaveSetupFile(path); !problem.isEmpty())
    QMessageBox::warning(this, "Save Setup", problem);
}

QString CSimulatorDlg::OpenSetupFile(const QString& path) {
  const SetupReading reading = ReadSetupFile(FilePath(path));
  if (!reading.setup) return QString::fromStdString(reading.error);
  const Setup& setup = *reading.setup;
  std::optional<ResponseTable> table;
  if (setup.response) {
    ReadResult<ResponseTable> read = LoadResponseFile(setup.response->file);
    if (!read.value) return path + ": " + QString::fromStdString(ErrorMessage(read.error));
    table = std::move(read.value);
  }
  LoadSetup(setup);
  if (table)
    responseMenu->Use(std::move(*table),
                      ParseResponseMode(setup.response->mode).value_or(ResponseMode::kReplace));
  return QString();
}

void CSimulatorDlg::LoadSetup(const Setup& setup) {
  ApplySetup(engine, setup);
  app->presetIndex = setup.preset;
  for (auto* binding : {bitrateBinding.get(), bandwidthBinding.get(), rolloffBinding.get()})
    binding->Refresh();
  for (auto* binding : {risetimeBinding.get(), groupDelayBinding.get(), samplesPerBitBinding.get()})
    binding->Refresh();
  if (flatnessDlg) flatnessDlg->RefreshBindings();
  if (chooserDlg && setup.preset == kCustomPreset) chooserDlg->ShowCustomSelected();
  if (chooserDlg && setup.preset != kCustomPreset)
    chooserDlg->PresetButton(setup.preset)->setChecked(true);
  bitCellButton->setText(setup.threeCells ? "Show 1 Bit Cell" : "Show 3 Bit Cells");
  if (engine.responseTable.value) responseMenu->Clear();
  if (setup.statEye && statEyeWindow) statEyeWindow->SetControlValues(*setup.statEye);
  if (setup.statEye && !statEyeWindow) waitingStatEye = setup.statEye;
  const SetupViews& views = setup.views;
  const std::pair<int, bool> boxes[] = {
      {1023, views.timeGrid},          {1025, views.timeInput},          {1031, views.timeOutput},
      {1024, views.freqGrid},          {1026, views.freqMagnitude},      {1028, views.freqPhase},
      {1029, views.freqInputSpectrum}, {1030, views.freqOutputSpectrum}, {1061, views.printColors},
  };
  // Set as a click would, without one: the flags follow through OnCheckBox.
  for (const auto& [id, checked] : boxes) {
    FindControl<QAbstractButton>(client, id)->setChecked(checked);
    OnCheckBox(id, checked);
  }
}

Setup CSimulatorDlg::CurrentSetup() const {
  SetupViews views;
  views.timeGrid = timeView->showGrid != 0;
  views.timeInput = timeView->showInput != 0;
  views.timeOutput = timeView->showOutput != 0;
  views.freqGrid = freqView->showGrid != 0;
  views.freqMagnitude = freqView->showMagnitude != 0;
  views.freqPhase = freqView->showPhase != 0;
  views.freqInputSpectrum = freqView->showInputSpectrum != 0;
  views.freqOutputSpectrum = freqView->showOutputSpectrum != 0;
  views.printColors = timeView->printColors != 0;
  Setup setup = SetupFromEngine(engine, app->presetIndex, views);
  if (const std::optional<ResponseTable>& table = engine.responseTable.value)
    setup.response = ResponseSetup{table->file, ResponseModeName(engine.responseMode.value)};
  setup.statEye = statEyeWindow ? statEyeWindow->ControlValues() : waitingStatEye;
  return setup;
}

QString CSimulatorDlg::SaveSetupFile(const QString& path) const {
  return QString::fromStdString(WriteSetupFile(FilePath(path), CurrentSetup()));
}

}  // namespace tovan
