#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <malloc.h>
#include <random>
#include <vector>

#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/error_adjust_dlg.h"
#include "app/flatness_dialog_template.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/surface_format.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

using namespace tovan;

// Drives the real main window with random use for a bounded time (TOVAN_SOAK_SECONDS,
// 30 by default; TOVAN_SOAK_SEED picks the sequence), then checks that it still
// redraws, that no message box ever appeared and that memory stayed put.

namespace {

long EnvironmentNumber(const char* name, long fallback) {
  bool ok = false;
  const long value = qEnvironmentVariable(name).toLong(&ok);
  return ok && value > 0 ? value : fallback;
}

// Resident set size in kB, from /proc/self/status.
long ResidentKilobytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

// Closes every message box as soon as it shows and keeps its text.
class MessageBoxWatch : public QObject {
 public:
  MessageBoxWatch() {
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
          texts << box->text();
          box->done(QMessageBox::Ok);
        }
    });
    timer.start();
  }
  QStringList texts;

 private:
  QTimer timer;
};

enum Action {
  kMoveSlider,
  kKeyOnSlider,
  kSpin,
  kPreset,
  kFlatness,
  kToggleSideDialog,
  kBitCells,
  kCheckBox,
  kResize,
  kActionCount
};

constexpr std::array<int, 5> kSliderIds{kBitrateSlider, kRisetimeSlider, kBandwidthSlider,
                                        kRolloffSlider, kGroupDelaySlider};
constexpr std::array<int, 9> kCheckBoxIds{
    kTimeGridCheck, kTimeInputCheck,     kTimeOutputCheck,     kFreqGridCheck,   kMagnitudeCheck,
    kPhaseCheck,    kInputSpectrumCheck, kOutputSpectrumCheck, kPrintColorsCheck};

}  // namespace

class SimulatorDlgSoakTest : public QObject {
  Q_OBJECT

 private slots:
  void survivesRandomUse() {
    const long seconds = EnvironmentNumber("TOVAN_SOAK_SECONDS", 30);
    random.seed(static_cast<unsigned>(EnvironmentNumber("TOVAN_SOAK_SEED", 20261209)));
    MessageBoxWatch watch;
    CSimulatorApp app;
    CSimulatorDlg dialog(&app, nullptr);
    window = &dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    RunFor(std::max<long>(3000, seconds * 1000 / 6));
    if (QTest::currentTestFailed()) return;
    // Rounds of about five seconds, each ending with a measure in the same state. The
    // GL driver's own memory moves by tens of MB from one measure to the next; a leak
    // lifts the lowest measures too, so the lowest of the later half is compared with
    // the lowest of the earlier half.
    const long rounds = std::max<long>(2, seconds / 5);
    std::vector<long> resident;
    for (long round = 0; round < rounds; ++round) {
      RunFor(seconds * 1000 / rounds);
      if (QTest::currentTestFailed()) return;
      resident.push_back(SettledResidentKilobytes());
    }
    const auto middle = resident.begin() + rounds / 2;
    const long early = *std::min_element(resident.begin(), middle);
    const long late = *std::min_element(middle, resident.end());
    QStringList measures;
    for (long kb : resident) measures << QString::number(kb);
    qInfo("%d actions (%s); RSS after each round, kB: %s", actions, qPrintable(CountsText()),
          qPrintable(measures.join(" ")));
    QVERIFY(!dialog.Engine().Failed());
    QVERIFY2(watch.texts.isEmpty(), qPrintable(watch.texts.join(" | ")));
    QVERIFY(early > 0 && late > 0);
    QVERIFY2(late - early < kRssGrowthBoundKb, qPrintable(QString::number(late - early)));

    // Still redrawing: a parameter change shows in the next frames (of the traces,
    // which the random clicks may have hidden).
    for (int id : {kTimeInputCheck, kTimeOutputCheck})
      if (!FindControl<QAbstractButton>(dialog.Client(), id)->isChecked())
        FindControl<QAbstractButton>(dialog.Client(), id)->click();
    CTimeDomainView* view = dialog.TimeView();
    const QImage oldFrame = view->grabFramebuffer();
    auto* bitrate = FindControl<QSlider>(dialog.Client(), kBitrateSlider);
    bitrate->setValue(bitrate->value() < 500 ? 900 : 100);
    const int ticks = view->TickCount();
    QTRY_VERIFY_WITH_TIMEOUT(view->TickCount() >= ticks + 2, 5000);
    QVERIFY(view->grabFramebuffer() != oldFrame);
    QVERIFY(watch.texts.isEmpty());
    window = nullptr;
  }

 private:
  static constexpr long kRssGrowthBoundKb = 16 * kFreqGridCheck;
  static constexpr QSize kLargestGrowth{400, 300};

  // Memory depends on the state (table sizes, window and pane sizes, dialogs open):
  // every measure is taken in the largest one, after a few frames drawn in it.
  long SettledResidentKilobytes() {
    QWidget* client = window->Client();
    window->resize(window->minimumSize() + kLargestGrowth);
    FindControl<QSpinBox>(client, kSamplesPerBitSpin)->setValue(8);
    if (!window->Engine().show3BitCells.value)
      FindControl<QPushButton>(client, kBitCellButton)->click();
    if (!window->FlatnessDialog()) FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
    if (!window->ChooserDialog()) FindControl<QAbstractButton>(client, kChooserToggle)->click();
    // Every layer drawn: the GL driver's buffers grow with the vertices of a frame.
    for (int id : kCheckBoxIds)
      if (auto* box = FindControl<QAbstractButton>(client, id);
          box->isChecked() != (id != kPrintColorsCheck))
        box->click();
    const int ticks = window->TimeView()->TickCount();
    (void)QTest::qWaitFor([&] { return window->TimeView()->TickCount() >= ticks + 3; }, 5000);
    // Freed memory the allocator still holds is not growth.
    malloc_trim(0);
    return ResidentKilobytes();
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  void RunFor(long milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
      Act(static_cast<Action>(Uniform(0, kActionCount - 1)));
      QTest::qWait(Uniform(0, 60));
      QVERIFY(!window->Engine().Failed());
    }
  }

  void Act(Action action) {
    ++actions;
    ++counts[action];
    QWidget* client = window->Client();
    switch (action) {
      case kMoveSlider: {
        auto* slider = FindControl<QSlider>(client, kSliderIds[Uniform(0, 4)]);
        slider->setValue(Uniform(slider->minimum(), slider->maximum()));
        break;
      }
      case kKeyOnSlider: {
        auto* slider = FindControl<QSlider>(client, kSliderIds[Uniform(0, 4)]);
        const Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(slider, keys[Uniform(0, 5)]);
        break;
      }
      case kSpin:
        FindControl<QSpinBox>(client, kSamplesPerBitSpin)->setValue(Uniform(4, 8));
        break;
      case kPreset:
        PickPreset();
        break;
      case kFlatness:
        ChangeFlatness();
        break;
      case kToggleSideDialog:
        FindControl<QAbstractButton>(client, Uniform(0, 1) ? kFlatnessToggle : kChooserToggle)
            ->click();
        break;
      case kBitCells:
        FindControl<QPushButton>(client, kBitCellButton)->click();
        break;
      case kCheckBox:
        FindControl<QAbstractButton>(client, kCheckBoxIds[Uniform(0, 8)])->click();
        break;
      case kResize: {
        const QSize least = window->minimumSize();
        window->resize(
            least + QSize(Uniform(0, kLargestGrowth.width()), Uniform(0, kLargestGrowth.height())));
        break;
      }
      case kActionCount:
        break;
    }
  }

  void PickPreset() {
    if (!window->ChooserDialog())
      FindControl<QAbstractButton>(window->Client(), kChooserToggle)->click();
    CScopeChooserDlg* chooser = window->ChooserDialog();
    const int pick = Uniform(0, 8);
    (pick == 8 ? chooser->CustomButton() : chooser->PresetButton(pick))->click();
  }

  void ChangeFlatness() {
    if (!window->FlatnessDialog())
      FindControl<QAbstractButton>(window->Client(), kFlatnessToggle)->click();
    CErrorAdjustDlg* flatness = window->FlatnessDialog();
    if (Uniform(0, 9) == 0) {
      flatness->findChild<QPushButton*>(ControlName(kZeroAllId))->click();
      return;
    }
    auto* slider = flatness->findChild<QSlider*>(ControlName(kFlatnessSliderIds[Uniform(0, 9)]));
    slider->setValue(Uniform(slider->minimum(), slider->maximum()));
  }

  QString CountsText() const {
    const char* names[] = {"slider",      "key",       "spin",      "preset", "flatness",
                           "side dialog", "bit cells", "check box", "resize"};
    QStringList parts;
    for (int a = 0; a < kActionCount; ++a) parts << QString("%1 %2").arg(names[a]).arg(counts[a]);
    return parts.join(", ");
  }

  std::mt19937 random;
  CSimulatorDlg* window = nullptr;
  int actions = 0;
  std::array<int, kActionCount> counts{};
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  SimulatorDlgSoakTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "simulator_dlg_soak_gui_test.moc"
