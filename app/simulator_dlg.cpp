#include "app/simulator_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "app/about_dialog.h"
#include "app/cursor_readout.h"
#include "app/dialog_builder.h"
#include "app/error_adjust_dlg.h"
#include "app/eye_readout.h"
#include "app/help_launcher.h"
#include "app/main_dialog_layout.h"
#include "app/main_dialog_template.h"
#include "app/qt_binding_controls.h"
#include "app/scale_strip.h"
#include "app/scroll_notifications.h"
#include "app/side_dialog_placement.h"
#include "app/value_entry.h"
#include "app/scope_chooser_dlg.h"
#include "app/scope_response_menu.h"
#include "app/simulator_app.h"
#include "app/stat_eye_window.h"
#include "app/view_export.h"
#include "app/wrapping_buttons.h"
#include "document/settings_line.h"
#include "engine/scope_preset_table.h"
#include "plot/freq_domain_view.h"
#include "plot/plot_colors.h"
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
  CreateViews();
  new CursorReadout(&engine, timeView, freqView, this);
  timeStrip = new ScaleStrip(FindControl<QFrame>(client, kTimePlot), timeView, [this] {
    return TimeViewAxes(engine.show3BitCells.value ? 3 : 1, engine.bitrate.value);
  });
  freqStrip = new ScaleStrip(FindControl<QFrame>(client, kFreqPlot), freqView,
                             [] { return FreqViewAxes(); });
  readout = new EyeReadout(&engine, this);
  connect(timeView, &CGLPlotWnd::ticked, readout, &EyeReadout::OnTick);
  InitCheckBoxes();
  ConnectControls();
  CreateBindings();
  // Taken once the bindings have set the spin control beside its box: every layout
  // pass starts from these places.
  for (const QWidget* control : templateControls) templatePlaces.push_back(control->geometry());
  const int extraHeight = menu->sizeHint().height() + ReadoutHeight();
  setMinimumSize(templateClientSize.width(), templateClientSize.height() + extraHeight);
  resize(minimumSize());
  LayOut();
}

// One function per menu, in menu-bar order: a new command goes into its menu's
// function, a new menu gets one of its own.
void CSimulatorDlg::BuildMenu() {
  menu = new QMenuBar(this);
  BuildFileMenu(menu->addMenu("&File"));
  BuildViewMenu(menu->addMenu("&View"));
  BuildHelpMenu(menu->addMenu("&Help"));
}

void CSimulatorDlg::BuildFileMenu(QMenu* file) {
  AddSetupMenuEntries(file);
  AddReferenceMenuEntries(file);
  file->addAction("Export &Time View…", this, [this] {
    RunExportViewCommand(this, *timeView, "Export Time View", FigureTitle());
  });
  file->addAction("Export &Frequency View…", this, [this] {
    RunExportViewCommand(this, *freqView, "Export Frequency View", FigureTitle());
  });
  file->addAction("Export &Data…", this, [this] { RunExportDataCommand(this, engine); });
  file->addSeparator();
  responseMenu = new ScopeResponseMenu(this, file);
  file->addSeparator();
  file->addAction("E&xit", this, [this] { FindControl<QPushButton>(client, kOkButton)->click(); });
}

void CSimulatorDlg::BuildViewMenu(QMenu* view) {
  view->addAction("Statistical &Eye…", this, [this] {
    // Owned by the main dialog's window, so that the window manager keeps it above the
    // main dialog rather than behind it.
    if (!statEyeWindow) statEyeWindow = std::make_unique<StatEyeWindow>(&engine, this);
    if (waitingStatEye) statEyeWindow->SetControlValues(*waitingStatEye);
    waitingStatEye.reset();
    statEyeWindow->show();
    statEyeWindow->raise();
    statEyeWindow->activateWindow();
  });
  QAction* strips = view->addAction("&Scale Strips");
  strips->setCheckable(true);
  connect(strips, &QAction::toggled, this, [this](bool shown) {
    timeStrip->SetShown(shown);
    freqStrip->SetShown(shown);
  });
}

void CSimulatorDlg::BuildHelpMenu(QMenu* help) {
  help->addAction("&Contents", this, [this] { ShowHelpContents(this); });
  help->addAction("&About Tovan", this, [this] {
    CAboutDlg about(this);
    about.exec();
  });
}

std::string CSimulatorDlg::FigureTitle() const {
  return SettingsLine(engine, PresetName(app->presetIndex));
}

void CSimulatorDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!templatePlaces.empty()) LayOut();
}

// Enter is dropped here, after the focused control had its turn and before the
// dialog's own handling would press the default button. The dialog's push buttons
// do not take Enter themselves (ConnectControls), and other windows keep theirs.
void CSimulatorDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
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
  for (size_t i = 0; i < templatePlaces.size() && i < rows.size(); ++i) {
    const ControlShift shift = MainControlShift(rows[i].id, rows[i].rect, growth);
    const QRect& place = templatePlaces[i];
    templateControls[i]->setGeometry(place.x() + shift.dx, place.y() + shift.dy,
                                     place.width() + shift.dwidth, place.height() + shift.dheight);
  }
}

void CSimulatorDlg::CreateViews() {
  timeView =
      new CTimeDomainView(FindControl<QWidget>(client, kTimePlot), &engine, initialPrintColors);
  freqView =
      new CFreqDomainView(FindControl<QWidget>(client, kFreqPlot), &engine, initialPrintColors);
}

void CSimulatorDlg::InitCheckBoxes() {
  const struct {
    int id;
    bool checked;
  } states[] = {
      {kTimeInputCheck, timeView->showInput != 0},
      {kTimeOutputCheck, timeView->showOutput != 0},
      {kTimeGridCheck, timeView->showGrid != 0},
      {kFreqGridCheck, freqView->showGrid != 0},
      {kMagnitudeCheck, freqView->showMagnitude != 0},
      {kPhaseCheck, freqView->showPhase != 0},
      {kInputSpectrumCheck, freqView->showInputSpectrum != 0},
      {kOutputSpectrumCheck, freqView->showOutputSpectrum != 0},
      {kPrintColorsCheck, initialPrintColors != 0},
      {kFlatnessToggle, flatnessDlg != nullptr},
      {kChooserToggle, chooserDlg != nullptr},
  };
  for (const auto& state : states)
    FindControl<QAbstractButton>(client, state.id)->setChecked(state.checked);
  bitCellButton = FindControl<QPushButton>(client, kBitCellButton);
  flatnessToggle = FindControl<QAbstractButton>(client, kFlatnessToggle);
  chooserToggle = FindControl<QAbstractButton>(client, kChooserToggle);
  MarkTraceBoxes();
}

// Each trace's check box is its legend: a mark in the trace's colour, and the
// trace's scale as its tool tip (the plots themselves carry no numbers).
void CSimulatorDlg::MarkTraceBoxes() {
  const char* timeScale =
      "0 V at the middle line, 0.25 V per division; 0.1 UI per division across "
      "(0.3 UI with three bit cells)";
  const struct {
    int id;
    RgbColor color;
    const char* scale;
  } traces[] = {
      {kTimeInputCheck, kOrangeTrace, timeScale},
      {kTimeOutputCheck, kBlueTrace, timeScale},
      {kMagnitudeCheck, kCrimsonTrace, "0 dB at the middle line, 1 dB per division"},
      {kPhaseCheck, kGreenTrace, "0 degrees at the middle line, 40 degrees per division"},
      {kInputSpectrumCheck, kOrangeTrace, "0 dB at the top, 6 dB per division"},
      {kOutputSpectrumCheck, kBlueTrace, "0 dB at the top, 6 dB per division"},
  };
  for (const auto& trace : traces) {
    auto* box = FindControl<WrappingCheckBox>(client, trace.id);
    box->SetMark(QColor::fromRgbF(trace.color.red, trace.color.green, trace.color.blue));
    box->setToolTip(trace.scale);
  }
}

void CSimulatorDlg::ConnectControls() {
  for (int id :
       {kBitrateSlider, kRisetimeSlider, kBandwidthSlider, kRolloffSlider, kGroupDelaySlider})
    OnEveryScroll(FindControl<QSlider>(client, id), this, [this, id] { OnVScroll(id); });
  connect(FindControl<QSpinBox>(client, kSamplesPerBitSpin), &QSpinBox::valueChanged, this,
          [this] { OnVScroll(kSamplesPerBitSpin); });
  for (int id : {kTimeGridCheck, kTimeInputCheck, kTimeOutputCheck, kFreqGridCheck, kMagnitudeCheck,
                 kPhaseCheck, kInputSpectrumCheck, kOutputSpectrumCheck, kPrintColorsCheck})
    connect(FindControl<QAbstractButton>(client, id), &QAbstractButton::clicked, this,
            [this, id](bool checked) { OnCheckBox(id, checked); });
  // Enter never presses a button here (keyPressEvent); Space still does.
  for (QPushButton* button : client->findChildren<QPushButton*>()) button->setAutoDefault(false);
  connect(bitCellButton, &QPushButton::clicked, this, &CSimulatorDlg::OnShowBitCells);
  connect(flatnessToggle, &QAbstractButton::toggled, this, &CSimulatorDlg::OnToggleFlatnessDialog);
  connect(chooserToggle, &QAbstractButton::toggled, this, &CSimulatorDlg::OnToggleChooser);
  connect(FindControl<QPushButton>(client, kOkButton), &QPushButton::clicked, this,
          &QDialog::accept);
  connect(FindControl<QPushButton>(client, kCancelButton), &QPushButton::clicked, this,
          &QDialog::reject);
}

// A typed value moves the control and is then handled as a scroll of it, so it is
// stored, shown and switches to Custom exactly as a move of the control would.
template <class Binding>
void CSimulatorDlg::AddValueEntry(int controlId, int boxId, Binding& binding) {
  new ValueEntry(FindControl<QLineEdit>(client, boxId), FindControl<QWidget>(client, controlId),
                 [this, controlId, &binding](const std::string& text) {
                   const std::string problem = binding.MoveToTyped(text);
                   if (problem.empty()) OnVScroll(controlId);
                   return problem;
                 });
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
  bitrateBinding = std::make_unique<CSliderBinding>(control(kBitrateSlider), slider,
                                                    text(kBitrateEdit), &engine.bitrate,
                                                    bitrate.max, bitrate.min, bitrate.step, 1.0);
  bitrateBinding->Refresh();
  const IntRange& risetime = app->risetimeRange;
  risetimeBinding = std::make_unique<CIntSliderBinding>(
      control(kRisetimeSlider), slider, text(kRisetimeEdit), &engine.risetime, risetime.max,
      risetime.min, risetime.step, 1000.0);
  risetimeBinding->Refresh();
  const RealRange& bandwidth = app->bandwidthRange;
  bandwidthBinding = std::make_unique<CSliderBinding>(
      control(kBandwidthSlider), slider, text(kBandwidthEdit), &engine.bandwidth, bandwidth.max,
      bandwidth.min, bandwidth.step, 1.0);
  bandwidthBinding->Refresh();
  const RealRange& rolloff = app->rolloffRange;
  rolloffBinding = std::make_unique<CSliderBinding>(control(kRolloffSlider), slider,
                                                    text(kRolloffEdit), &engine.rolloff,
                                                    rolloff.max, rolloff.min, rolloff.step, 1.0);
  rolloffBinding->Refresh();
  const IntRange& delay = app->groupDelayRange;
  groupDelayBinding = std::make_unique<CIntSliderBinding>(control(kGroupDelaySlider), slider,
                                                          text(kGroupDelayEdit), &engine.groupDelay,
                                                          delay.max, delay.min, delay.step, 1000.0);
  groupDelayBinding->Refresh();
  const IntRange& samples = app->samplesPerBitRange;
  samplesPerBitBinding = std::make_unique<CIntSliderBinding>(
      control(kSamplesPerBitSpin), BindingKind::Spin, text(kSamplesPerBitEdit),
      &engine.samplesPerBit, samples.max, samples.min, samples.step, 1.0);
  samplesPerBitBinding->Refresh();
  AddValueEntry(kBitrateSlider, kBitrateEdit, *bitrateBinding);
  AddValueEntry(kRisetimeSlider, kRisetimeEdit, *risetimeBinding);
  AddValueEntry(kBandwidthSlider, kBandwidthEdit, *bandwidthBinding);
  AddValueEntry(kRolloffSlider, kRolloffEdit, *rolloffBinding);
  AddValueEntry(kGroupDelaySlider, kGroupDelayEdit, *groupDelayBinding);
  AddValueEntry(kSamplesPerBitSpin, kSamplesPerBitEdit, *samplesPerBitBinding);
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
    case kBitrateSlider:
      bitrateBinding->ReadControl();
      break;
    case kRisetimeSlider:
      risetimeBinding->ReadControl();
      break;
    case kBandwidthSlider:
      bandwidthBinding->ReadControl();
      SwitchToCustom();
      break;
    case kRolloffSlider:
      rolloffBinding->ReadControl();
      SwitchToCustom();
      break;
    case kGroupDelaySlider:
      groupDelayBinding->ReadControl();
      SwitchToCustom();
      break;
    case kSamplesPerBitSpin:
      samplesPerBitBinding->ReadControl();
      break;
    default:
      QMessageBox::information(this, QString(), "Inavlid slider.");
      break;
  }
}

int* CSimulatorDlg::ViewFlag(int controlId) {
  switch (controlId) {
    case kTimeGridCheck:
      return &timeView->showGrid;
    case kTimeInputCheck:
      return &timeView->showInput;
    case kTimeOutputCheck:
      return &timeView->showOutput;
    case kFreqGridCheck:
      return &freqView->showGrid;
    case kMagnitudeCheck:
      return &freqView->showMagnitude;
    case kPhaseCheck:
      return &freqView->showPhase;
    case kInputSpectrumCheck:
      return &freqView->showInputSpectrum;
    case kOutputSpectrumCheck:
      return &freqView->showOutputSpectrum;
    default:
      return nullptr;
  }
}

void CSimulatorDlg::OnCheckBox(int controlId, bool checked) {
  if (controlId == kPrintColorsCheck) {
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
    if (placement)
      dialog->restoreGeometry(*placement);
    else
      dialog->move(FirstPlaceOf(*dialog));
    dialog->show();
  } else if (dialog) {
    placement = dialog->saveGeometry();
    delete dialog;
    dialog = nullptr;
  }
}

// The side dialog's frame is not known before it is shown: its decorations are taken
// to be the main window's.
QPoint CSimulatorDlg::FirstPlaceOf(const QWidget& side) const {
  const QSize decorations = frameGeometry().size() - geometry().size();
  std::vector<QRect> occupied;
  for (const QWidget* other :
       {static_cast<QWidget*>(flatnessDlg), static_cast<QWidget*>(chooserDlg)})
    if (other && other != &side && other->isVisible()) occupied.push_back(other->frameGeometry());
  return SideDialogPlace(side.size() + decorations, frameGeometry(), screen()->availableGeometry(),
                         occupied);
}

void CSimulatorDlg::HideSideDialogLater(const QDialog* side) {
  QTimer::singleShot(0, this, [this, side] {
    if (side == flatnessDlg) flatnessToggle->setChecked(false);
    if (side == chooserDlg) chooserToggle->setChecked(false);
  });
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
