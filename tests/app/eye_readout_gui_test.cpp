#include <QApplication>
#include <QSlider>
#include <QTest>

#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/eye_readout.h"
#include "app/eye_readout_text.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/surface_format.h"
#include "plot/time_domain_view.h"
#include "main_window_fixture.h"

using namespace tovan;

// The read-out in the real main window, following the plots' timer.
class EyeReadoutTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(OpenMainWindow());
    readout = dialog->Readout();
    QTRY_VERIFY_WITH_TIMEOUT(readout->MeasureCount() >= 1, 5000);
  }
  void cleanup() { CloseMainWindow(); }

  void showsTheFiguresOfTheEngine() {
    // A second engine with the same settings, measured on its own.
    SignalEngine fresh;
    ApplyScopePreset(fresh, 0);
    QCOMPARE(readout->text(), EyeReadoutText(MeasureEngineEye(fresh)));
    QVERIFY(readout->text().startsWith("Eye height "));
    QVERIFY(!readout->text().contains("n/a"));
    QVERIFY(readout->toolTip().startsWith("Scope minus input: "));
    // Under the plots, inside the window.
    const QRect area = readout->geometry();
    QVERIFY(area.top() >= dialog->Client()->geometry().bottom());
    QVERIFY(area.bottom() < dialog->height());
  }

  void idleTicksMeasureNothing() {
    const int measured = readout->MeasureCount();
    const int ticks = dialog->TimeView()->TickCount();
    QTRY_VERIFY_WITH_TIMEOUT(dialog->TimeView()->TickCount() >= ticks + 5, 5000);
    QCOMPARE(readout->MeasureCount(), measured);
  }

  void aParameterChangeIsShownAtTheNextTicks() {
    const QString before = readout->text();
    const int measured = readout->MeasureCount();
    // Bandwidth position 150 of 190: 20 - 150 x 0.1 = 5.0 GHz.
    FindControl<QSlider>(dialog->Client(), kBandwidthSlider)->setValue(150);
    QVERIFY(qAbs(dialog->Engine().bandwidth.value - 5.0) < 1e-9);
    QTRY_VERIFY_WITH_TIMEOUT(readout->MeasureCount() > measured, 3000);
    QVERIFY(readout->text() != before);
    SignalEngine fresh;
    ApplyScopePreset(fresh, 0);
    fresh.bandwidth.Write(dialog->Engine().bandwidth.value);
    QCOMPARE(readout->text(), EyeReadoutText(MeasureEngineEye(fresh)));
    // Once shown, the change is measured only once.
    const int afterChange = readout->MeasureCount();
    const int ticks = dialog->TimeView()->TickCount();
    QTRY_VERIFY_WITH_TIMEOUT(dialog->TimeView()->TickCount() >= ticks + 3, 5000);
    QCOMPARE(readout->MeasureCount(), afterChange);
  }

 private:
  EyeReadout* readout = nullptr;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  EyeReadoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "eye_readout_gui_test.moc"
