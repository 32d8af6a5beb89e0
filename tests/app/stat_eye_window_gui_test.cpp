#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/stat_eye_window.h"
#include "app/surface_format.h"
#include "main_window_fixture.h"

using namespace tovan;

// The Statistical Eye window, opened from the main window's View menu.
class StatEyeWindowTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(OpenMainWindow());
    for (QAction* menu : dialog->findChild<QMenuBar*>()->actions())
      if (menu->text().remove('&') == "View") menu->menu()->actions().value(0)->trigger();
    window = dialog->StatEyeWin();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY_WITH_TIMEOUT(window->Shown().has_value(), kComputeMs);
  }
  void cleanup() { CloseMainWindow(); }

  // The window manager keeps the main dialog above its other windows unless they say
  // whose they are: the Statistical Eye window belongs to the main dialog and opens active.
  void opensInFrontOfTheMainDialog() {
    QVERIFY(window->windowHandle()->transientParent() == dialog->windowHandle());
    QTRY_VERIFY(window->isActiveWindow());
  }

  // A slider of the main window changes the engine: the window computes again and
  // shows the eye of the new signal.
  void followsTheMainWindowsSliders() {
    QTRY_VERIFY_WITH_TIMEOUT(!window->Computing(), kComputeMs);
    const double before = window->Shown()->figures.eyeHeight;
    const int computed = window->ComputeCount();
    FindControl<QSlider>(dialog->Client(), kBandwidthSlider)->setValue(150);  // bandwidth 5 GHz
    QTRY_VERIFY_WITH_TIMEOUT(window->ComputeCount() > computed && !window->Computing(), kComputeMs);
    QVERIFY(window->Shown()->figures.eyeHeight != before);
  }

  // Noise closes the eye vertically: the settings reach the computation.
  void noiseLowersTheHeight() {
    QTRY_VERIFY_WITH_TIMEOUT(!window->Computing(), kComputeMs);
    const double before = window->Shown()->figures.eyeHeight;
    window->findChildren<QDoubleSpinBox*>().at(2)->setValue(20.0);  // mV
    QTRY_VERIFY_WITH_TIMEOUT(window->Shown()->settings.noise == 0.02 && !window->Computing(), kComputeMs);
    QVERIFY(window->Shown()->figures.eyeHeight < before - 0.1);
  }

  // Enter applies a typed target and leaves the window open; Escape closes only it.
  void enterAppliesTheTargetAndEscapeCloses() {
    QLineEdit* ber = window->findChild<QLineEdit*>();
    ber->setFocus();
    ber->selectAll();
    QTest::keyClicks(ber, "1e-9");
    QTest::keyClick(ber, Qt::Key_Return);
    QCOMPARE(window->Settings().targetBer, 1e-9);
    QVERIFY(window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(dialog->isVisible());
  }

  // A target outside (0, 0.5) gets one message box and the previous value stays.
  void refusesAnImpossibleTarget() {
    int boxes = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++boxes;
        box->accept();
      }
    });
    closer.start(50);
    QLineEdit* ber = window->findChild<QLineEdit*>();
    ber->setText("0.7");
    emit ber->editingFinished();
    QCOMPARE(boxes, 1);
    QCOMPARE(window->Settings().targetBer, 1e-12);
    QCOMPARE(ber->text(), QString("1e-12"));
  }

 private:
  static constexpr int kComputeMs = 60000;  // a shared, slow machine
  StatEyeWindow* window = nullptr;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  StatEyeWindowTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "stat_eye_window_gui_test.moc"
