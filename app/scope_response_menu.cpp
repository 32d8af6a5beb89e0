#include "app/scope_response_menu.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSlider>

#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/simulator_dlg.h"
#include "engine/scope_preset_table.h"
#include "response/response_file.h"

namespace tovan {

namespace {

constexpr int kGap = 12;  // pixels between the check box and the line

constexpr const char* kFilter =
    "Scope responses (*.s2p *.s4p *.ts *.csv *.S2P *.S4P *.TS *.CSV);;All files (*)";

}  // namespace

QString ScopeResponseLine(const QString& fileName, ResponseMode mode) {
  return "Measured response: " + fileName + " (" + ResponseModeName(mode) + ")";
}

ScopeResponseMenu::ScopeResponseMenu(CSimulatorDlg* owner, QMenu* file)
    : QObject(owner), dialog(owner) {
  file->addAction("&Load Scope Response...", this, [this] { AskAndLoad(); });
  clearAction = file->addAction("Clear Scope Res&ponse", this, [this] { Clear(); });
  cascadeAction = file->addAction("Cascade &With Modelled Scope");
  cascadeAction->setCheckable(true);
  connect(cascadeAction, &QAction::toggled, this, [this](bool on) { SetCascade(on); });
  clearAction->setEnabled(false);
  cascadeAction->setEnabled(false);
}

void ScopeResponseMenu::AskAndLoad() {
  const QString path =
      QFileDialog::getOpenFileName(dialog, "Load Scope Response", QString(), kFilter);
  if (!path.isEmpty()) Load(path);
}

bool ScopeResponseMenu::Load(const QString& path) {
  ReadResult<ResponseTable> table = LoadResponseFile(path.toStdString());
  if (!table.value) {
    QMessageBox::warning(dialog, "Load Scope Response",
                         QString::fromStdString(ErrorMessage(table.error)));
    return false;
  }
  dialog->Engine().responseTable.Write(std::move(*table.value));
  dialog->SelectPreset(kCustomPreset);
  ShowState();
  return true;
}

void ScopeResponseMenu::Use(ResponseTable table, ResponseMode mode) {
  dialog->Engine().responseTable.Write(std::move(table));
  SetCascade(mode == ResponseMode::kCascade);
}

void ScopeResponseMenu::Clear() {
  dialog->Engine().responseTable.Write(std::nullopt);
  ShowState();
}

void ScopeResponseMenu::SetCascade(bool cascade) {
  dialog->Engine().responseMode.Write(cascade ? ResponseMode::kCascade : ResponseMode::kReplace);
  if (cascadeAction->isChecked() != cascade) cascadeAction->setChecked(cascade);
  if (dialog->Engine().responseTable.value) dialog->SelectPreset(kCustomPreset);
  ShowState();
}

// Sliders, menu entries and the line follow the engine's response cells.
void ScopeResponseMenu::ShowState() {
  const SignalEngine& engine = dialog->Engine();
  const bool loaded = engine.responseTable.value.has_value();
  const bool replaced = loaded && engine.responseMode.value == ResponseMode::kReplace;
  for (int id : {kBandwidthSlider, kRolloffSlider})
    FindControl<QSlider>(dialog->Client(), id)->setEnabled(!replaced);
  clearAction->setEnabled(loaded);
  cascadeAction->setEnabled(loaded);
  if (!line && loaded) {
    line = new QLabel(dialog->Client());
    for (int id : {kFreqPlot, kPrintColorsCheck})
      FindControl<QWidget>(dialog->Client(), id)->installEventFilter(this);
  }
  if (!line) return;
  line->setVisible(loaded);
  if (loaded) {
    const QString name = QFileInfo(QString::fromStdString(engine.responseTable.value->file)).fileName();
    line->setToolTip(QString::fromStdString(engine.responseTable.value->file));
    lineText = ScopeResponseLine(name, engine.responseMode.value);
  }
  PlaceLine();
}

// Right of the Print Colors box, under the frequency plot, as far as its right edge.
void ScopeResponseMenu::PlaceLine() {
  const QWidget* box = FindControl<QWidget>(dialog->Client(), kPrintColorsCheck);
  const QWidget* plot = FindControl<QWidget>(dialog->Client(), kFreqPlot);
  const int left = box->x() + box->sizeHint().width() + kGap;
  const int right = plot->x() + plot->width();
  const int width = std::max(right - left, 0);
  line->setGeometry(left, box->y(), width, box->height());
  line->setText(line->fontMetrics().elidedText(lineText, Qt::ElideMiddle, width));
}

bool ScopeResponseMenu::eventFilter(QObject* watched, QEvent* event) {
  if (line && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) PlaceLine();
  return QObject::eventFilter(watched, event);
}

}  // namespace tovan
