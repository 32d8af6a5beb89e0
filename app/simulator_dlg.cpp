#include "app/simulator_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "app/about_dialog.h"
#include "app/dialog_builder.h"
#include "app/enter_key_filter.h"
#include "app/error_adjust_dlg.h"
#include "app/eye_readout.h"
#include "app/help_launcher.h"
#include "app/main_dialog_layout.h"
#include "app/main_dialog_template.h"
#include "app/qt_binding_controls.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/view_export.h"
#include "engine/scope_preset_table.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

namespace tovan {

CSimulatorDlg::CSimulatorDlg(CSimulatorApp* application, QWidget* parent)
    : QDialog(parent), icon(":/tovan/icon.png"), app(application) {
  ApplyPreset(false);
  OnInitDialog();
}

// Side dialogs first, then the views, then the bindings: the order of teardown the
// window has always had. The engine goes last, with the members.
CSimulatorDlg::~CSimulatorDlg() {
  delete menu;
  menu = nullptr;
  DestroySideDialogs();
  delete timeView;
  timeView = nullptr;
  delete freqView;
  freqView = nullptr;
  bitrateBinding.reset();
  risetimeBinding.reset();
  bandwidthBinding.reset();
  rolloffBinding.reset();
  groupDelayBinding.reset();
  samplesPerBitBinding.reset();
}

void CSimulatorDlg::DestroySideDialogs() {
  delete flatnessDlg;
  flatnessDlg = nullptr;
  flatnessPlacement.reset();
  delete chooserDlg;
  chooserDlg = nullptr;
  chooserPlacement.reset();
}

void CSimulatorDlg::OnInitDialog() {
  const DialogTemplate& dialogTemplate = MainDialogTemplate();
  setWindowTitle(dialogTemplate.caption);
  setWindowIcon(icon);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  const QFont font = TemplateFont(dialogTemplate);
  setFont(font);
  BuildMenu();
  client = new QWidget(this);
  client->setFont(font);
  units = BaseUnitsFor(font);
  templateClientSize = ClientPixelSize(dialogTemplate, units);
  client->resize(templateClientSize);
  templateControls = BuildControls(client, dialogTemplate, units);
  for (const QWidget* control : templateControls) templatePlaces.push_back(control->geometry());
  CreateViews();
  readout = new EyeReadout(&engine, this);
  connect(timeView, &CGLPlotWnd::ticked, readout, &EyeReadout::OnTick);
  const int extraHeight = menu->sizeHint().height() + ReadoutHeight();
  setMinimumSize(templateClientSize.width(), templateClientSize.height() + extraHeight);
  resize(minimumSize());
  LayOut();
  InitCheckBoxes();
  ConnectControls();
  CreateBindings();
  enterFilter = std::make_unique<EnterKeyFilter>(this);
  qApp->installEventFilter(enterFilter.get());
}

void CSimulatorDlg::BuildMenu() {
  menu = new QMenuBar(this);
  QMenu* file = menu->addMenu("File");
  AddSetupMenuEntries(file);
  AddReferenceMenuEntries(file);
  file->addAction("Export Time View…", this, [this] {
    RunExportViewCommand(this, *timeView, "Export Time View");
  });
  file->addAction("Export Frequency View…", this, [this] {
    RunExportViewCommand(this, *freqView, "Export Frequency View");
  });
  file->addAction("Export Data…", this, [this] { RunExportDataCommand(this, engine); });
  file->addSeparator();
  file->addAction("Exit", this, [this] { FindControl<QPushButton>(client, 1)->click(); });
  QMenu* help = menu->addMenu("Help");
  help->addAction("Contents", this, [this] { ShowHelpContents(this); });
  help->addAction("About Tovan", this, [this] {
    CAboutDlg about(this);
    about.exec();
  });
}

void CSimulatorDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (readout && menu) LayOut();
}

// One line of text with room below it, like the template's bottom margin.
int CSimulatorDlg::ReadoutHeight() const {
  return readout->sizeHint().height() + DialogYToPixels(4, units);
}

// Menu bar on top, the eye read-out along the bottom, the template's controls in
// between, moved and stretched for the room beyond the template's size.
void CSimulatorDlg::LayOut() {
  const int menuHeight = menu->sizeHint().height();
  const int readoutHeight = ReadoutHeight();
  const QSize clientSize(width(), std::max(height() - menuHeight - readoutHeight, 0));
  menu->setGeometry(0, 0, width(), menuHeight);
  client->setGeometry(0, menuHeight, clientSize.width(), clientSize.height());
  const int margin = DialogXToPixels(9, units);
  readout->setGeometry(margin, menuHeight + clientSize.height(), width() - 2 * margin,
                       readoutHeight);
  const WindowGrowth growth{std::max(clientSize.width() - templateClientSize.width(), 0),
                            std::max(clientSize.height() - templateClientSize.height(), 0)};
  const std::span<const ControlTemplate> rows = MainDialogTemplate().controls;
  for (size_t i = 0; i < templateControls.size() && i < rows.size(); ++i) {
    const ControlShift shift = MainControlShift(rows[i].id, rows[i].rect, growth);
    const QRect& place = templatePlaces[i];
    templateControls[i]->setGeometry(place.x() + shift.dx, place.y() + shift.dy,
                                     place.width() + shift.dwidth, place.height() + shift.dheight);
  }
}

void CSimulatorDlg::CreateViews() {
  timeView = new CTimeDomainView(FindControl<QWidget>(client, 1021), &engine, initialPrintColors);
  freqView = new CFreqDomainView(FindControl<QWidget>(client, 1027), &engine, initialPrintColors);
}

void CSimulatorDlg::InitCheckBoxes() {
  const struct {
    int id;
    bool checked;
  } states[] = {
      {1025, timeView->showInput != 0},
      {1031, timeView->showOutput != 0},
      {1023, timeView->showGrid != 0},
      {1024, freqView->showGrid != 0},
      {1026, freqView->showMagnitude != 0},
      {1028, freqView->showPhase != 0},
      {1029, freqView->showInputSpectrum != 0},
      {1030, freqView->showOutputSpectrum != 0},
      {1061, initialPrintColors != 0},
      {1048, flatnessDlg != nullptr},
      {1055, chooserDlg != nullptr},
  };
  for (const auto& state : states)
    FindControl<QAbstractButton>(client, state.id)->setChecked(state.checked);
  bitCellButton = FindControl<QPushButton>(client, 1058);
  flatnessToggle = FindControl<QAbstractButton>(client, 1048);
  chooserToggle = FindControl<QAbstractButton>(client, 1055);
}

void CSimulatorDlg::ConnectControls() {
  for (int id : {1002, 1003, 1004, 1005, 1006}) {
    auto* slider = FindControl<QSlider>(client, id);
    // Like a scroll message: every user move, and a release even without a move.
    connect(slider, &QSlider::valueChanged, this, [this, id] { OnVScroll(id); });
    connect(slider, &QSlider::sliderReleased, this, [this, id] { OnVScroll(id); });
  }
  connect(FindControl<QSpinBox>(client, 1053), &QSpinBox::valueChanged, this,
          [this] { OnVScroll(1053); });
  for (int id : {1023, 1025, 1031, 1024, 1026, 1028, 1029, 1030, 1061})
    connect(FindControl<QAbstractButton>(client, id), &QAbstractButton::clicked, this,
            [this, id](bool checked) { OnCheckBox(id, checked); });
  connect(bitCellButton, &QPushButton::clicked, this, &CSimulatorDlg::OnShowBitCells);
  connect(flatnessToggle, &QAbstractButton::toggled, this, &CSimulatorDlg::OnToggleFlatnessDialog);
  connect(chooserToggle, &QAbstractButton::toggled, this, &CSimulatorDlg::OnToggleChooser);
  connect(FindControl<QPushButton>(client, 1), &QPushButton::clicked, this, &QDialog::accept);
  connect(FindControl<QPushButton>(client, 2), &QPushButton::clicked, this, &QDialog::reject);
}

void CSimulatorDlg::CreateBindings() {
  auto control = [this](int id) -> BindingControl* {
    if (auto* slider = FindControl<QSlider>(client, id))
      controlAdapters.push_back(std::make_unique<SliderControl>(slider));
    else
      controlAdapters.push_back(std::make_unique<SpinControl>(FindControl<QSpinBox>(client, id)));
    return controlAdapters.back().get();
  };
  auto text = [this](int id) -> BindingText* {
    textAdapters.push_back(std::make_unique<EditText>(FindControl<QLineEdit>(client, id)));
    return textAdapters.back().get();
  };
  const BindingKind slider = BindingKind::Slider;
  const RealRange& bitrate = app->bitrateRange;
  bitrateBinding =
      std::make_unique<CSliderBinding>(control(1002), slider, text(1007), &engine.bitrate,
                                       bitrate.max, bitrate.min, bitrate.step, 1.0);
  bitrateBinding->Refresh();
  const IntRange& risetime = app->risetimeRange;
  risetimeBinding =
      std::make_unique<CIntSliderBinding>(control(1003), slider, text(1010), &engine.risetime,
                                          risetime.max, risetime.min, risetime.step, 1000.0);
  risetimeBinding->Refresh();
  const RealRange& bandwidth = app->bandwidthRange;
  bandwidthBinding =
      std::make_unique<CSliderBinding>(control(1004), slider, text(1013), &engine.bandwidth,
                                       bandwidth.max, bandwidth.min, bandwidth.step, 1.0);
  bandwidthBinding->Refresh();
  const RealRange& rolloff = app->rolloffRange;
  rolloffBinding =
      std::make_unique<CSliderBinding>(control(1005), slider, text(1016), &engine.rolloff,
                                       rolloff.max, rolloff.min, rolloff.step, 1.0);
  rolloffBinding->Refresh();
  const IntRange& delay = app->groupDelayRange;
  groupDelayBinding =
      std::make_unique<CIntSliderBinding>(control(1006), slider, text(1020), &engine.groupDelay,
                                          delay.max, delay.min, delay.step, 1000.0);
  groupDelayBinding->Refresh();
  const IntRange& samples = app->samplesPerBitRange;
  samplesPerBitBinding = std::make_unique<CIntSliderBinding>(
      control(1053), BindingKind::Spin, text(1051), &engine.samplesPerBit, samples.max, samples.min,
      samples.step, 1.0);
  samplesPerBitBinding->Refresh();
}

void CSimulatorDlg::SelectPreset(int index) {
  if (index == app->presetIndex) return;
  app->presetIndex = index;
  if (index != kCustomPreset)
    ApplyPreset(true);
  else if (chooserDlg)
    chooserDlg->ShowCustomSelected();
}

void CSimulatorDlg::ApplyPreset(bool refreshControls) {
  ApplyScopePreset(engine, app->presetIndex);
  if (!refreshControls) return;
  bandwidthBinding->Refresh();
  rolloffBinding->Refresh();
  groupDelayBinding->Refresh();
  if (flatnessDlg) flatnessDlg->RefreshBindings();
}

void CSimulatorDlg::SwitchToCustom() {
  if (app->presetIndex == kCustomPreset) return;
  app->presetIndex = kCustomPreset;
  if (chooserDlg) chooserDlg->ShowCustomSelected();
}

void CSimulatorDlg::OnVScroll(int controlId) {
  switch (controlId) {
    case 1002:
      bitrateBinding->ReadControl();
      break;
    case 1003:
      risetimeBinding->ReadControl();
      break;
    case 1004:
      bandwidthBinding->ReadControl();
      SwitchToCustom();
      break;
    case 1005:
      rolloffBinding->ReadControl();
      SwitchToCustom();
      break;
    case 1006:
      groupDelayBinding->ReadControl();
      SwitchToCustom();
      break;
    case 1053:
      samplesPerBitBinding->ReadControl();
      break;
    default:
      QMessageBox::information(this, QString(), "Inavlid slider.");
      break;
  }
}

int* CSimulatorDlg::ViewFlag(int controlId) {
  switch (controlId) {
    case 1023:
      return &timeView->showGrid;
    case 1025:
      return &timeView->showInput;
    case 1031:
      return &timeView->showOutput;
    case 1024:
      return &freqView->showGrid;
    case 1026:
      return &freqView->showMagnitude;
    case 1028:
      return &freqView->showPhase;
    case 1029:
      return &freqView->showInputSpectrum;
    case 1030:
      return &freqView->showOutputSpectrum;
    default:
      return nullptr;
  }
}

void CSimulatorDlg::OnCheckBox(int controlId, bool checked) {
  if (controlId == 1061) {
    timeView->printColors = checked ? 1 : 0;
    freqView->printColors = checked ? 1 : 0;
  } else if (int* flag = ViewFlag(controlId)) {
    *flag = checked ? 1 : 0;
  }
}

void CSimulatorDlg::OnShowBitCells() {
  InputCell<bool>& cell = engine.show3BitCells;
  const bool showThree = !cell.value;
  cell.Write(showThree);
  bitCellButton->setText(showThree ? "Show 1 Bit Cell" : "Show 3 Bit Cells");
}

template <class Dialog>
void CSimulatorDlg::ToggleSideDialog(Dialog*& dialog, std::optional<QByteArray>& placement,
                                     bool checked) {
  if (checked) {
    if (dialog) {
      dialog->raise();
      dialog->activateWindow();
      return;
    }
    dialog = new Dialog(this);
    if (placement) dialog->restoreGeometry(*placement);
    dialog->show();
  } else if (dialog) {
    placement = dialog->saveGeometry();
    delete dialog;
    dialog = nullptr;
  }
}

void CSimulatorDlg::OnToggleFlatnessDialog(bool checked) {
  flatnessToggle->setText(checked ? "Hide Flatness Adjust Dialog" : "Show Flatness Adjust Dialog");
  ToggleSideDialog(flatnessDlg, flatnessPlacement, checked);
}

void CSimulatorDlg::OnToggleChooser(bool checked) {
  chooserToggle->setText(checked ? "Hide Scope Simulator" : "Show Scope Simulator");
  ToggleSideDialog(chooserDlg, chooserPlacement, checked);
}

}  // namespace tovan
