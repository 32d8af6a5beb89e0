#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/chooser_dialog_template.h"
#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/error_adjust_dlg.h"
#include "app/flatness_dialog_template.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/surface_format.h"
#include "app/template_group_box.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"
#include "main_window_fixture.h"

using namespace tovan;

namespace {

QString Text(const QWidget* client, int id) { return FindControl<QLineEdit>(client, id)->text(); }

bool Checked(const QWidget* client, int id) {
  return FindControl<QAbstractButton>(client, id)->isChecked();
}

// Closes the next message box (looking for it every 50 ms for two seconds) and hands
// back its text.
QString* CloseNextMessageBox() {
  auto* text = new QString;
  auto* poll = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, [text, poll, clock] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box) {
      *text = box->text();
      box->accept();
    }
    if (box || clock->elapsed() > 2000) {
      poll->deleteLater();
      delete clock;
    }
  });
  poll->start(50);
  return text;
}

// Presses Return in whichever modal window is up shortly after this call; if that
// window ignores it, it is cancelled a little later, so the caller sees Rejected.
void PressReturnInNextModal() {
  QTimer::singleShot(100, [] {
    const QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal) return;
    QTest::keyClick(modal, Qt::Key_Return);
    QTimer::singleShot(900, [modal] {
      if (auto* dialog = qobject_cast<QDialog*>(modal.data())) dialog->reject();
    });
  });
}

}  // namespace

class SimulatorDlgTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    MakeMainWindow();
    client = dialog->Client();
  }
  void cleanup() { CloseMainWindow(); }

  void startsWithPresetZeroAndInitialChecks() {
    SignalEngine& engine = dialog->Engine();
    QCOMPARE(app->presetIndex, 0);
    QCOMPARE(engine.bandwidth.value, 6.0);
    QCOMPARE(engine.rolloff.value, 300.0);
    QCOMPARE(engine.groupDelay.value, -32 * 0.001);
    const double levels[] = {0, 0, 0, 0.5, 0.5, 1.0, 1.0, 0, 0, 0};
    for (int k = 0; k < 10; ++k) QCOMPARE(engine.flatnessLevels[k].value, levels[k]);
    QCOMPARE(Text(client, kBitrateEdit), QString("3.125"));
    QCOMPARE(Text(client, kRisetimeEdit), QString("55"));
    QCOMPARE(Text(client, kBandwidthEdit), QString("6.0"));
    QCOMPARE(Text(client, kRolloffEdit), QString("300"));
    QCOMPARE(Text(client, kGroupDelayEdit), QString("-32"));
    QCOMPARE(Text(client, kSamplesPerBitEdit), QString("32"));
    QCOMPARE(FindControl<QSlider>(client, kBitrateSlider)->value(), 575);
    QCOMPARE(FindControl<QSlider>(client, kGroupDelaySlider)->value(), 332);
    QCOMPARE(FindControl<QSpinBox>(client, kSamplesPerBitSpin)->value(), 5);
    for (int id : {kTimeGridCheck, kTimeInputCheck, kTimeOutputCheck, kFreqGridCheck,
                   kMagnitudeCheck, kPhaseCheck, kInputSpectrumCheck, kOutputSpectrumCheck})
      QVERIFY2(Checked(client, id), qPrintable(QString::number(id)));
    for (int id : {kPrintColorsCheck, kFlatnessToggle, kChooserToggle})
      QVERIFY(!Checked(client, id));
    QCOMPARE(dialog->windowTitle(), QString("Tovan 1.0"));
    QCOMPARE(FindControl<QPushButton>(client, kBitCellButton)->text(), QString("Show 3 Bit Cells"));
  }

  void slidersWriteCellsAndText_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("editId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("custom");
    // Positions at the ends of each range, so the expected values are the range ends.
    QTest::newRow("bitrate top") << int(kBitrateSlider) << 0 << int(kBitrateEdit) << "6.000"
                                 << false;
    QTest::newRow("bitrate bottom")
        << int(kBitrateSlider) << 1000 << int(kBitrateEdit) << "1.000" << false;
    QTest::newRow("risetime top") << int(kRisetimeSlider) << 0 << int(kRisetimeEdit) << "600"
                                  << false;
    QTest::newRow("bandwidth bottom")
        << int(kBandwidthSlider) << 190 << int(kBandwidthEdit) << "1.0" << true;
    QTest::newRow("rolloff top") << int(kRolloffSlider) << 0 << int(kRolloffEdit) << "480" << true;
    QTest::newRow("group delay bottom")
        << int(kGroupDelaySlider) << 600 << int(kGroupDelayEdit) << "-300" << true;
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
    const double stored = id == kBitrateSlider     ? engine.bitrate.value
                          : id == kRisetimeSlider  ? engine.risetime.value * 1000
                          : id == kBandwidthSlider ? engine.bandwidth.value
                          : id == kRolloffSlider   ? engine.rolloff.value
                                                   : engine.groupDelay.value * 1000;
    QVERIFY(qAbs(stored - shown) < 1e-9);
    QCOMPARE(app->presetIndex, custom ? kCustomPreset : 0);
  }

  void spinControlSetsSamplesPerBit() {
    auto* spin = FindControl<QSpinBox>(client, kSamplesPerBitSpin);
    spin->stepUp();
    QCOMPARE(dialog->Engine().samplesPerBit.value, 64);
    QCOMPARE(Text(client, kSamplesPerBitEdit), QString("64"));
    spin->setValue(4);
    QCOMPARE(dialog->Engine().samplesPerBit.value, 16);
    QCOMPARE(Text(client, kSamplesPerBitEdit), QString("16"));
    QCOMPARE(app->presetIndex, 0);
  }

  void keyboardMovesASliderLikeTheMouse() {
    auto* slider = FindControl<QSlider>(client, kBandwidthSlider);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(dialog->Engine().bandwidth.value, 20.0);
    QCOMPARE(app->presetIndex, kCustomPreset);
  }

  void scopeSliderSwitchesOpenChooserToCustom() {
    FindControl<QAbstractButton>(client, kChooserToggle)->click();
    CScopeChooserDlg* chooser = dialog->ChooserDialog();
    QVERIFY(chooser);
    QVERIFY(chooser->PresetButton(0)->isChecked());
    FindControl<QSlider>(client, kBitrateSlider)->setValue(100);
    QVERIFY(chooser->PresetButton(0)->isChecked());
    FindControl<QSlider>(client, kRolloffSlider)->setValue(3);
    QCOMPARE(app->presetIndex, kCustomPreset);
    QVERIFY(chooser->CustomButton()->isChecked());
    QVERIFY(!chooser->PresetButton(0)->isChecked());
  }

  void closedChooserOpensWithCustom() {
    FindControl<QSlider>(client, kGroupDelaySlider)->setValue(10);
    FindControl<QAbstractButton>(client, kChooserToggle)->click();
    QVERIFY(dialog->ChooserDialog()->CustomButton()->isChecked());
  }

  void bitCellButtonTogglesTwiceBack() {
    auto* button = FindControl<QPushButton>(client, kBitCellButton);
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
    QTest::newRow("flatness") << int(kFlatnessToggle) << "Hide Flatness Adjust Dialog"
                              << "Show Flatness Adjust Dialog";
    QTest::newRow("chooser") << int(kChooserToggle) << "Hide Scope Simulator"
                             << "Show Scope Simulator";
  }

  void sideDialogsReopenWhereTheyWereLeft() {
    QFETCH(int, toggleId);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    dialog->show();
    auto* toggle = FindControl<QAbstractButton>(client, toggleId);
    auto side = [&]() -> QDialog* {
      return toggleId == kFlatnessToggle ? static_cast<QDialog*>(dialog->FlatnessDialog())
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
    FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
    FindControl<QAbstractButton>(client, kChooserToggle)->click();
    CScopeChooserDlg* chooser = dialog->ChooserDialog();
    chooser->PresetButton(5)->click();
    SignalEngine& engine = dialog->Engine();
    QCOMPARE(app->presetIndex, 5);
    QCOMPARE(engine.bandwidth.value, 4.1);
    QCOMPARE(engine.rolloff.value, 140.0);
    QCOMPARE(engine.groupDelay.value, 32 * 0.001);
    QCOMPARE(Text(client, kBandwidthEdit), QString("4.1"));
    QCOMPARE(FindControl<QSlider>(client, kBandwidthSlider)->value(), 160);
    QCOMPARE(Text(client, kRolloffEdit), QString("140"));
    QCOMPARE(Text(client, kGroupDelayEdit), QString("32"));
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
    FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
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
    FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
    FindControl<QAbstractButton>(client, kChooserToggle)->click();
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
    auto* button = FindControl<QPushButton>(client, kBitCellButton);
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

  // Enter is the main window's to drop, not other windows': it still presses OK in
  // the About box and dismisses a message box opened over the main window.
  void enterStillEndsOtherDialogs() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    PressReturnInNextModal();
    CAboutDlg about(dialog.get());
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    PressReturnInNextModal();
    const int pressed = QMessageBox::information(dialog.get(), QString(), "Could not find file x.");
    QCOMPARE(pressed, int(QMessageBox::Ok));
  }

  // The spin control stays at the right edge of its box, in the box's row, after the
  // first show and after a resize.
  void spinControlStaysBesideItsBox() {
    auto* edit = FindControl<QLineEdit>(client, kSamplesPerBitEdit);
    auto* spin = FindControl<QSpinBox>(client, kSamplesPerBitSpin);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    for (const QSize extra : {QSize(0, 0), QSize(200, 150)}) {
      dialog->resize(dialog->minimumSize() + extra);
      QTRY_COMPARE(dialog->size(), dialog->minimumSize() + extra);
      QCOMPARE(spin->geometry().left(), edit->geometry().right() + 1);
      QCOMPARE(spin->geometry().top(), edit->geometry().top());
      QCOMPARE(spin->geometry().height(), edit->geometry().height());
    }
  }

  // A key at the end of a slider's range moves nothing but is still a scroll action:
  // the scope setting becomes Custom.
  void keyAtTheEndOfARangeSwitchesToCustom() {
    auto* slider = FindControl<QSlider>(client, kBandwidthSlider);
    {
      const QSignalBlocker quiet(slider);
      slider->setValue(0);
    }
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(app->presetIndex, kCustomPreset);
    QCOMPARE(dialog->Engine().bandwidth.value, 20.0);
  }

  // First openings go beside the main window, on screen, clear of each other (the
  // main window at the screen's corner leaves room for both).
  void sideDialogsOpenBesideTheMainWindow() {
    const QRect screen = dialog->screen()->availableGeometry();
    dialog->move(screen.topLeft());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    FindControl<QAbstractButton>(client, kChooserToggle)->click();
    FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
    QDialog* chooser = dialog->ChooserDialog();
    QDialog* flatness = dialog->FlatnessDialog();
    for (QDialog* side : {chooser, flatness}) {
      QVERIFY(QTest::qWaitForWindowExposed(side));
      QVERIFY(screen.contains(side->frameGeometry()));
      QVERIFY(!side->frameGeometry().intersects(dialog->frameGeometry()));
    }
    QVERIFY(!chooser->frameGeometry().intersects(flatness->frameGeometry()));
  }

  // The side dialogs ask for a close box only, and closing one is hiding it.
  void closingASideDialogHidesIt_data() {
    QTest::addColumn<int>("toggleId");
    QTest::addColumn<QString>("hidden");
    QTest::newRow("flatness") << int(kFlatnessToggle) << "Show Flatness Adjust Dialog";
    QTest::newRow("chooser") << int(kChooserToggle) << "Show Scope Simulator";
  }

  void closingASideDialogHidesIt() {
    QFETCH(int, toggleId);
    QFETCH(QString, hidden);
    auto* toggle = FindControl<QAbstractButton>(client, toggleId);
    auto side = [&]() -> QDialog* {
      return toggleId == kFlatnessToggle ? static_cast<QDialog*>(dialog->FlatnessDialog())
                                         : static_cast<QDialog*>(dialog->ChooserDialog());
    };
    toggle->click();
    const Qt::WindowFlags flags = side()->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    side()->close();
    QTRY_VERIFY(!side());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(toggle->text(), hidden);
  }

  // The "Levels (dB)" frame runs above the frequency labels, not through them.
  void flatnessLabelsLieInsideTheirFrame() {
    FindControl<QAbstractButton>(client, kFlatnessToggle)->click();
    CErrorAdjustDlg* flatness = dialog->FlatnessDialog();
    QVERIFY(QTest::qWaitForWindowExposed(flatness));
    auto* group = flatness->findChild<TemplateGroupBox*>(ControlName(kLevelsGroupId));
    QVERIFY(group);
    const int frameLine = group->geometry().top() + group->FrameTop();
    for (int id : kFlatnessLabelIds) {
      const QWidget* label = flatness->findChild<QWidget*>(ControlName(id));
      QVERIFY2(frameLine < label->geometry().top(), qPrintable(QString::number(id)));
    }
  }

  // A typed value goes through the binding as a move of its control would, snapped to
  // the nearest grid value; Escape and bad text keep the old value and the window.
  void typedValuesMoveTheControl() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    SignalEngine& engine = dialog->Engine();
    auto* box = FindControl<QLineEdit>(client, kBandwidthEdit);
    auto* slider = FindControl<QSlider>(client, kBandwidthSlider);
    auto type = [&](const QString& text, Qt::Key end) {
      QTest::mouseDClick(box, Qt::LeftButton);
      QVERIFY(!box->isReadOnly());
      QTest::keyClicks(box, text);
      QTest::keyClick(box, end);
      QVERIFY(box->isReadOnly());
    };
    type("9.04", Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(engine.bandwidth.value, 6.0);
    QCOMPARE(box->text(), QString("6.0"));
    QCOMPARE(app->presetIndex, 0);

    type("9.04", Qt::Key_Return);  // off the 0.1 GHz grid
    QCOMPARE(slider->value(), 110);
    QCOMPARE(box->text(), QString("9.0"));
    QCOMPARE(engine.bandwidth.value, 1.0 + 80.0 / 190.0 * 19.0);
    QCOMPARE(app->presetIndex, kCustomPreset);

    for (const char* bad : {"25", "fast"}) {
      QScopedPointer<QString> message(CloseNextMessageBox());
      type(bad, Qt::Key_Return);
      QTRY_VERIFY(!message->isEmpty());
      QCOMPARE(*message, QString(bad) == "25" ? QString("25 is outside 1 to 20.")
                                              : QString("\"fast\" is not a number."));
      QCOMPARE(slider->value(), 110);
      QCOMPARE(box->text(), QString("9.0"));
    }

    // F2 on a focused slider edits its box.
    auto* bitrate = FindControl<QSlider>(client, kBitrateSlider);
    bitrate->setFocus();
    QTest::keyClick(bitrate, Qt::Key_F2);
    auto* bitrateBox = FindControl<QLineEdit>(client, kBitrateEdit);
    QVERIFY(!bitrateBox->isReadOnly());
    QTest::keyClicks(bitrateBox, "5");
    QTest::keyClick(bitrateBox, Qt::Key_Enter);
    QCOMPARE(engine.bitrate.value, 5.0);
    QCOMPARE(bitrateBox->text(), QString("5.000"));
  }

  void largerWindowGrowsThePlotsOnly() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->minimumSize(), dialog->size());
    auto place = [this](int id) { return FindControl<QWidget>(client, id)->geometry(); };
    const QSize timeSize = dialog->TimeView()->size();
    const QSize freqSize = dialog->FreqView()->size();
    const QRect slider = place(kBitrateSlider), grid = place(kTimeGridCheck),
                magnitude = place(kMagnitudeCheck);
    const QRect toggle = place(kChooserToggle), freqFrame = place(kFreqPlot);
    // 245 extra pixels split as the plots' template heights, 144 : 101.
    dialog->resize(dialog->width() + 300, dialog->height() + 245);
    QTRY_COMPARE(dialog->TimeView()->size(), timeSize + QSize(300, 144));
    QCOMPARE(dialog->FreqView()->size(), freqSize + QSize(300, 101));
    QCOMPARE(place(kFreqPlot).topLeft(), freqFrame.topLeft() + QPoint(0, 144));
    QCOMPARE(place(kBitrateSlider), slider);
    QCOMPARE(place(kTimeGridCheck), grid.translated(300, 0));
    QCOMPARE(place(kMagnitudeCheck), magnitude.translated(300, 144));
    QCOMPARE(place(kChooserToggle), toggle.translated(0, 245));
    // The projection follows the new size: shorter side 250 units.
    const QSize pixels = dialog->TimeView()->PixelSize();
    QTRY_COMPARE(dialog->TimeView()->Extent().height, 250.0f);
    QVERIFY(qAbs(dialog->TimeView()->Extent().width - 250.0 * pixels.width() / pixels.height()) <
            1e-3);
    // Smaller than the template is not allowed.
    dialog->resize(100, 100);
    QTRY_COMPARE(dialog->size(), dialog->minimumSize());
    QCOMPARE(dialog->TimeView()->size(), timeSize);
  }

  // Each menu opens with Alt and its first letter; the shown titles stay as they were.
  void altLettersOpenTheMenus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::newRow("file") << int(Qt::Key_F) << "File";
    QTest::newRow("help") << int(Qt::Key_H) << "Help";
  }

  void altLettersOpenTheMenus() {
    QFETCH(int, key);
    QFETCH(QString, title);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(menu->title().remove('&'), title);
    menu->close();
  }

  void fileExitCloses() {
    dialog->show();
    QAction* exit = nullptr;
    for (QAction* menu : dialog->findChild<QMenuBar*>()->actions())
      if (menu->text() == "&File") exit = menu->menu()->actions().last();
    QVERIFY(exit);
    QCOMPARE(exit->text(), QString("E&xit"));
    exit->trigger();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

 private:
  QWidget* client = nullptr;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  SimulatorDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "simulator_dlg_gui_test.moc"
