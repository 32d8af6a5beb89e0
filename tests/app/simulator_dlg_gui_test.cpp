#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "app/chooser_dialog_template.h"
#include "app/dialog_builder.h"
#include "app/error_adjust_dlg.h"
#include "app/flatness_dialog_template.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/surface_format.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

using namespace tovan;

namespace {

QString Text(const QWidget* client, int id) { return FindControl<QLineEdit>(client, id)->text(); }

bool Checked(const QWidget* client, int id) {
  return FindControl<QAbstractButton>(client, id)->isChecked();
}

// Closes the next message box and hands back its text.
QString* CloseNextMessageBox() {
  auto* text = new QString;
  QTimer::singleShot(50, [text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *text = box->text();
      box->accept();
    }
  });
  return text;
}

}  // namespace

class SimulatorDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    app = std::make_unique<CSimulatorApp>();
    dialog = std::make_unique<CSimulatorDlg>(app.get(), nullptr);
    client = dialog->Client();
  }
  void cleanup() {
    dialog.reset();
    app.reset();
  }

  void startsWithPresetZeroAndInitialChecks() {
    SignalEngine& engine = dialog->Engine();
    QCOMPARE(app->presetIndex, 0);
    QCOMPARE(engine.bandwidth.value, 6.0);
    QCOMPARE(engine.rolloff.value, 300.0);
    QCOMPARE(engine.groupDelay.value, -32 * 0.001);
    const double levels[] = {0, 0, 0, 0.5, 0.5, 1.0, 1.0, 0, 0, 0};
    for (int k = 0; k < 10; ++k) QCOMPARE(engine.flatnessLevels[k].value, levels[k]);
    QCOMPARE(Text(client, 1007), QString("3.125"));
    QCOMPARE(Text(client, 1010), QString("55"));
    QCOMPARE(Text(client, 1013), QString("6.0"));
    QCOMPARE(Text(client, 1016), QString("300"));
    QCOMPARE(Text(client, 1020), QString("-32"));
    QCOMPARE(Text(client, 1051), QString("32"));
    QCOMPARE(FindControl<QSlider>(client, 1002)->value(), 575);
    QCOMPARE(FindControl<QSlider>(client, 1006)->value(), 332);
    QCOMPARE(FindControl<QSpinBox>(client, 1053)->value(), 5);
    for (int id : {1023, 1025, 1031, 1024, 1026, 1028, 1029, 1030})
      QVERIFY2(Checked(client, id), qPrintable(QString::number(id)));
    for (int id : {1061, 1048, 1055}) QVERIFY(!Checked(client, id));
    QCOMPARE(dialog->windowTitle(), QString("Tovan 1.0"));
    QCOMPARE(FindControl<QPushButton>(client, 1058)->text(), QString("Show 3 Bit Cells"));
  }

  void slidersWriteCellsAndText_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("editId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("custom");
    // Positions at the ends of each range, so the expected values are the range ends.
    QTest::newRow("bitrate top") << 1002 << 0 << 1007 << "6.000" << false;
    QTest::newRow("bitrate bottom") << 1002 << 1000 << 1007 << "1.000" << false;
    QTest::newRow("risetime top") << 1003 << 0 << 1010 << "600" << false;
    QTest::newRow("bandwidth bottom") << 1004 << 190 << 1013 << "1.0" << true;
    QTest::newRow("rolloff top") << 1005 << 0 << 1016 << "480" << true;
    QTest::newRow("group delay bottom") << 1006 << 600 << 1020 << "-300" << true;
  }

  void slidersWriteCellsAndText() {
    QFETCH(int, id);
    QFETCH(int, position);
    QFETCH(int, editId);
    QFETCH(QString, text);
    QFETCH(bool, custom);
    FindControl<QSlider>(client, id)->setValue(position);
    QCOMPARE(Text(client, editId), text);
    // The cell holds the shown number in its own units (ps shown, ns stored).
    SignalEngine& engine = dialog->Engine();
    const double shown = text.toDouble();
    const double stored = id == 1002   ? engine.bitrate.value
                          : id == 1003 ? engine.risetime.value * 1000
                          : id == 1004 ? engine.bandwidth.value
                          : id == 1005 ? engine.rolloff.value
                                       : engine.groupDelay.value * 1000;
    QVERIFY(qAbs(stored - shown) < 1e-9);
    QCOMPARE(app->presetIndex, custom ? kCustomPreset : 0);
  }

  void spinControlSetsSamplesPerBit() {
    auto* spin = FindControl<QSpinBox>(client, 1053);
    spin->stepUp();
    QCOMPARE(dialog->Engine().samplesPerBit.value, 64);
    QCOMPARE(Text(client, 1051), QString("64"));
    spin->setValue(4);
    QCOMPARE(dialog->Engine().samplesPerBit.value, 16);
    QCOMPARE(Text(client, 1051), QString("16"));
    QCOMPARE(app->presetIndex, 0);
  }

  void keyboardMovesASliderLikeTheMouse() {
    auto* slider = FindControl<QSlider>(client, 1004);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(dialog->Engine().bandwidth.value, 20.0);
    QCOMPARE(app->presetIndex, kCustomPreset);
  }

  void scopeSliderSwitchesOpenChooserToCustom() {
    FindControl<QAbstractButton>(client, 1055)->click();
    CScopeChooserDlg* chooser = dialog->ChooserDialog();
    QVERIFY(chooser);
    QVERIFY(chooser->PresetButton(0)->isChecked());
    FindControl<QSlider>(client, 1002)->setValue(100);
    QVERIFY(chooser->PresetButton(0)->isChecked());
    FindControl<QSlider>(client, 1005)->setValue(3);
    QCOMPARE(app->presetIndex, kCustomPreset);
    QVERIFY(chooser->CustomButton()->isChecked());
    QVERIFY(!chooser->PresetButton(0)->isChecked());
  }

  void closedChooserOpensWithCustom() {
    FindControl<QSlider>(client, 1006)->setValue(10);
    FindControl<QAbstractButton>(client, 1055)->click();
    QVERIFY(dialog->ChooserDialog()->CustomButton()->isChecked());
  }

  void bitCellButtonTogglesTwiceBack() {
    auto* button = FindControl<QPushButton>(client, 1058);
    button->click();
    QCOMPARE(button->text(), QString("Show 1 Bit Cell"));
    QCOMPARE(dialog->Engine().show3BitCells.value, true);
    button->click();
    QCOMPARE(button->text(), QString("Show 3 Bit Cells"));
    QCOMPARE(dialog->Engine().show3BitCells.value, false);
  }

  void sideDialogsReopenWhereTheyWereLeft_data() {
    QTest::addColumn<int>("toggleId");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hidden");
    QTest::newRow("flatness") << 1048 << "Hide Flatness Adjust Dialog"
                              << "Show Flatness Adjust Dialog";
    QTest::newRow("chooser") << 1055 << "Hide Scope Simulator"
                             << "Show Scope Simulator";
  }

  void sideDialogsReopenWhereTheyWereLeft() {
    QFETCH(int, toggleId);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    dialog->show();
    auto* toggle = FindControl<QAbstractButton>(client, toggleId);
    auto side = [&]() -> QDialog* {
      return toggleId == 1048 ? static_cast<QDialog*>(dialog->FlatnessDialog())
                              : static_cast<QDialog*>(dialog->ChooserDialog());
    };
    toggle->click();
    QVERIFY(side());
    QVERIFY(side()->isVisible());
    QCOMPARE(toggle->text(), shown);
    QVERIFY(QTest::qWaitForWindowExposed(side()));
    const QPoint moved(side()->x() + 37, side()->y() + 23);
    side()->move(moved);
    QTRY_COMPARE(side()->pos(), moved);
    const QSize size = side()->size();
    toggle->click();
    QVERIFY(!side());
    QCOMPARE(toggle->text(), hidden);
    toggle->click();
    QVERIFY(side());
    QVERIFY(QTest::qWaitForWindowExposed(side()));
    QTRY_COMPARE(side()->pos(), moved);
    QCOMPARE(side()->size(), size);
  }

  void chooserPresetWritesEngineAndRefreshesFlatness() {
    FindControl<QAbstractButton>(client, 1048)->click();
    FindControl<QAbstractButton>(client, 1055)->click();
    CScopeChooserDlg* chooser = dialog->ChooserDialog();
    chooser->PresetButton(5)->click();
    SignalEngine& engine = dialog->Engine();
    QCOMPARE(app->presetIndex, 5);
    QCOMPARE(engine.bandwidth.value, 4.1);
    QCOMPARE(engine.rolloff.value, 140.0);
    QCOMPARE(engine.groupDelay.value, 32 * 0.001);
    QCOMPARE(Text(client, 1013), QString("4.1"));
    QCOMPARE(FindControl<QSlider>(client, 1004)->value(), 160);
    QCOMPARE(Text(client, 1016), QString("140"));
    QCOMPARE(Text(client, 1020), QString("32"));
    const char* levels[] = {"0.5", "1.5", "2.5", "3.0", "2.0", "0.0", "0.0", "0.0", "0.0", "0.0"};
    for (int k = 0; k < 10; ++k) {
      const auto* edit =
          dialog->FlatnessDialog()->findChild<QLineEdit*>(ControlName(kFlatnessEditIds[k]));
      QCOMPARE(edit->text(), QString(levels[k]));
    }
    // Rows 5 and 7 are equal: the selection changes, the engine does not.
    chooser->PresetButton(7)->click();
    QCOMPARE(app->presetIndex, 7);
    QCOMPARE(engine.bandwidth.value, 4.1);
  }

  void flatnessSliderAndZeroAll() {
    FindControl<QAbstractButton>(client, 1048)->click();
    CErrorAdjustDlg* flatness = dialog->FlatnessDialog();
    auto control = [&](int id) { return flatness->findChild<QWidget*>(ControlName(id)); };
    // Level 4 holds 0.5 dB under preset 0: position 9 of 20.
    QCOMPARE(static_cast<QSlider*>(control(kFlatnessSliderIds[3]))->value(), 9);
    static_cast<QSlider*>(control(kFlatnessSliderIds[0]))->setValue(0);
    QCOMPARE(dialog->Engine().flatnessLevels[0].value, 5.0);
    QCOMPARE(app->presetIndex, kCustomPreset);
    static_cast<QPushButton*>(control(kZeroAllId))->click();
    for (int k = 0; k < 10; ++k) {
      QCOMPARE(dialog->Engine().flatnessLevels[k].value, 0.0);
      QCOMPARE(static_cast<QLineEdit*>(control(kFlatnessEditIds[k]))->text(), QString("0.0"));
      QCOMPARE(static_cast<QSlider*>(control(kFlatnessSliderIds[k]))->value(), 10);
    }
  }

  void zeroAllAfterPresetZeroSwitchesToCustom() {
    FindControl<QAbstractButton>(client, 1048)->click();
    FindControl<QAbstractButton>(client, 1055)->click();
    dialog->FlatnessDialog()->ZeroAll();
    QCOMPARE(app->presetIndex, kCustomPreset);
    QVERIFY(dialog->ChooserDialog()->CustomButton()->isChecked());
  }

  void unknownSenderShowsMessage() {
    QScopedPointer<QString> text(CloseNextMessageBox());
    const double before = dialog->Engine().bitrate.value;
    dialog->OnVScroll(4242);
    QCOMPARE(*text, QString("Inavlid slider."));
    QCOMPARE(dialog->Engine().bitrate.value, before);
  }

  void escapeClosesEnterDoesNot() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    auto* button = FindControl<QPushButton>(client, 1058);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Enter);
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->Engine().show3BitCells.value, false);  // the button never saw the key
    QCOMPARE(dialog->result(), 0);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
  }

  void largerWindowGrowsThePlotsOnly() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->minimumSize(), dialog->size());
    auto place = [this](int id) { return FindControl<QWidget>(client, id)->geometry(); };
    const QSize timeSize = dialog->TimeView()->size();
    const QSize freqSize = dialog->FreqView()->size();
    const QRect slider = place(1002), grid = place(1023), magnitude = place(1026);
    const QRect toggle = place(1055), freqFrame = place(1027);
    // 245 extra pixels split as the plots' template heights, 144 : 101.
    dialog->resize(dialog->width() + 300, dialog->height() + 245);
    QTRY_COMPARE(dialog->TimeView()->size(), timeSize + QSize(300, 144));
    QCOMPARE(dialog->FreqView()->size(), freqSize + QSize(300, 101));
    QCOMPARE(place(1027).topLeft(), freqFrame.topLeft() + QPoint(0, 144));
    QCOMPARE(place(1002), slider);
    QCOMPARE(place(1023), grid.translated(300, 0));
    QCOMPARE(place(1026), magnitude.translated(300, 144));
    QCOMPARE(place(1055), toggle.translated(0, 245));
    // The projection follows the new size: shorter side 250 units.
    const QSize pixels = dialog->TimeView()->PixelSize();
    QTRY_COMPARE(dialog->TimeView()->Extent().height, 250.0f);
    QVERIFY(qAbs(dialog->TimeView()->Extent().width -
                 250.0 * pixels.width() / pixels.height()) < 1e-3);
    // Smaller than the template is not allowed.
    dialog->resize(100, 100);
    QTRY_COMPARE(dialog->size(), dialog->minimumSize());
    QCOMPARE(dialog->TimeView()->size(), timeSize);
  }

  void fileExitCloses() {
    dialog->show();
    QAction* exit = nullptr;
    for (QAction* menu : dialog->findChild<QMenuBar*>()->actions())
      if (menu->text() == "File") exit = menu->menu()->actions().last();
    QVERIFY(exit);
    QCOMPARE(exit->text(), QString("Exit"));
    exit->trigger();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

 private:
  std::unique_ptr<CSimulatorApp> app;
  std::unique_ptr<CSimulatorDlg> dialog;
  QWidget* client = nullptr;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  SimulatorDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "simulator_dlg_gui_test.moc"
