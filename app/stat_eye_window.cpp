#include "app/stat_eye_window.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>

#include "app/display_units.h"
#include "app/stat_eye_picture.h"
#include "document/stat_eye_json.h"
#include "document/text_fields.h"
#include "engine/signal_engine.h"

namespace tovan {
namespace {

constexpr int kTickMs = 200;  // the plot views' tick
constexpr double kLargestJitterPs = 200.0;
constexpr double kLargestNoiseMv = 300.0;
constexpr char kTitle[] = "Statistical Eye";
const QSize kSmallestExport(800, 560);

bool SameSettings(const StatEyeSettings& a, const StatEyeSettings& b) {
  return a.rj == b.rj && a.dj == b.dj && a.noise == b.noise && a.targetBer == b.targetBer;
}

// Paints the window's latest result, or says that there is none yet.
class StatEyeCanvas : public QWidget {
 public:
  StatEyeCanvas(const std::optional<StatEye>* eye, QWidget* parent) : QWidget(parent), eye(eye) {
    setMinimumSize(720, 440);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (*eye) {
      PaintStatEye(painter, rect(), **eye);
    } else {
      painter.fillRect(rect(), Qt::white);
      painter.drawText(rect(), Qt::AlignCenter, "Computing the statistical eye\u2026");
    }
  }

 private:
  const std::optional<StatEye>* eye;
};

QDoubleSpinBox* SpreadBox(double max, const QString& suffix, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(0.0, max);
  box->setDecimals(1);
  box->setSingleStep(0.5);
  box->setSuffix(suffix);
  box->setKeyboardTracking(false);  // typed digits apply on Enter or focus change
  return box;
}

}  // namespace

StatEyeWindow::StatEyeWindow(SignalEngine* signalEngine, QWidget* parent)
    : QDialog(parent), engine(signalEngine) {
  setWindowTitle(kTitle);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  connect(&timer, &QTimer::timeout, this, &StatEyeWindow::OnTick);
  timer.start(kTickMs);
}

// A computation still running is waited for: its thread must not outlive the window.
StatEyeWindow::~StatEyeWindow() {
  timer.stop();
  if (pending.valid()) pending.wait();
}

void StatEyeWindow::BuildControls() {
  auto* controls = new QHBoxLayout;
  rjBox = SpreadBox(kLargestJitterPs, " ps", this);
  djBox = SpreadBox(kLargestJitterPs, " ps", this);
  noiseBox = SpreadBox(kLargestNoiseMv, " mV", this);
  berEdit = new QLineEdit(QString::fromStdString(BerKey(settings.targetBer)), this);
  berEdit->setMaximumWidth(90);
  auto* png = new QPushButton("Export PNG\u2026", this);
  auto* svg = new QPushButton("Export SVG\u2026", this);
  for (QPushButton* button : {png, svg}) button->setAutoDefault(false);
  const std::pair<const char*, QWidget*> labelled[] = {
      {"RJ (RMS):", rjBox}, {"DJ (dual Dirac):", djBox}, {"Noise (RMS):", noiseBox}, {"Target BER:", berEdit}};
  for (const auto& [text, control] : labelled) {
    auto* label = new QLabel(text, this);
    label->setBuddy(control);
    controls->addWidget(label);
    controls->addWidget(control);
    controls->addSpacing(8);
  }
  controls->addStretch(1);
  controls->addWidget(png);
  controls->addWidget(svg);
  canvas = new StatEyeCanvas(&shown, this);
  status = new QLabel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(canvas, 1);
  layout->addWidget(status);
  for (QDoubleSpinBox* box : {rjBox, djBox, noiseBox})
    connect(box, &QDoubleSpinBox::valueChanged, this, &StatEyeWindow::OnSpreadChanged);
  connect(berEdit, &QLineEdit::editingFinished, this, &StatEyeWindow::ApplyTargetBer);
  connect(png, &QPushButton::clicked, this, [this] { Export(false); });
  connect(svg, &QPushButton::clicked, this, [this] { Export(true); });
}

void StatEyeWindow::OnSpreadChanged() {
  settings.rj = rjBox->value();
  settings.dj = djBox->value();
  settings.noise = noiseBox->value() / kMillivoltsPerVolt;
}

void StatEyeWindow::ApplyTargetBer() {
  if (berDialogOpen) return;  // the message box's own focus change
  const std::optional<double> value = ParseFiniteReal(berEdit->text().trimmed().toStdString());
  if (value && IsValidTargetBer(*value)) {
    settings.targetBer = *value;
    return;
  }
  berDialogOpen = true;
  QMessageBox::warning(this, kTitle,
                       QString("The target bit error ratio must be a number more than 0 and less than 0.5; "
                               "'%1' is not.").arg(berEdit->text()));
  berEdit->setText(QString::fromStdString(BerKey(settings.targetBer)));
  berDialogOpen = false;
}

StatEyeSetup StatEyeWindow::ControlValues() const {
  return StatEyeSetup{rjBox->value(), djBox->value(), noiseBox->value(), settings.targetBer};
}

void StatEyeWindow::SetControlValues(const StatEyeSetup& values) {
  rjBox->setValue(values.rjPs);
  djBox->setValue(values.djPs);
  noiseBox->setValue(values.noiseMv);
  settings.targetBer = values.ber;
  berEdit->setText(QString::fromStdString(BerKey(settings.targetBer)));
}

void StatEyeWindow::OnTick() {
  using namespace std::chrono_literals;
  if (pending.valid() && pending.wait_for(0ms) == std::future_status::ready) {
    shown = pending.get();
    canvas->update();
  }
  if (pending.valid()) {
    status->setText("Computing\u2026");
    return;
  }
  if (shown && computedStamp == engine->OutputStamp() && SameSettings(computedSettings, settings)) {
    status->setText("Up to date with the main window.");
    return;
  }
  // Reading the signal brings the engine up to date here, on the window's thread;
  // the worker gets its own copy.
  PeriodicEyeSignal signal = EngineEyeSignal(*engine);
  computedStamp = engine->OutputStamp();
  computedSettings = settings;
  pending = std::async(std::launch::async, [signal = std::move(signal), s = settings] { return ComputeStatEye(signal, s); });
  ++computeCount;
  status->setText("Computing\u2026");
}

void StatEyeWindow::Export(bool svg) {
  if (!shown) {
    QMessageBox::information(this, kTitle, "There is no statistical eye to export yet.");
    return;
  }
  const QString filter = svg ? "SVG drawing (*.svg)" : "PNG image (*.png)";
  QString path = QFileDialog::getSaveFileName(this, svg ? "Export SVG" : "Export PNG", QString(), filter);
  if (path.isEmpty()) return;
  const QString suffix = svg ? ".svg" : ".png";
  if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
  const QSize size = canvas->size().expandedTo(kSmallestExport);
  const bool written = svg ? ExportStatEyeSvg(*shown, path, size) : ExportStatEyePng(*shown, path, size);
  if (!written) QMessageBox::warning(this, kTitle, QString("Could not write '%1'.").arg(path));
}

}  // namespace tovan
