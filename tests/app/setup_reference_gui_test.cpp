// Setup files and the held reference in the main window.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "app/dialog_builder.h"
#include "app/error_adjust_dlg.h"
#include "app/eye_readout.h"
#include "app/scope_chooser_dlg.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/stat_eye_window.h"
#include "app/surface_format.h"
#include "plot/engine_view_frames.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"
#include "setup/setup_writer.h"
#include "main_window_fixture.h"

using namespace tovan;

namespace {

QString Text(const QWidget* client, int id) { return FindControl<QLineEdit>(client, id)->text(); }

bool Checked(const QWidget* client, int id) {
  return FindControl<QAbstractButton>(client, id)->isChecked();
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text.data(), qint64(text.size()));
}

tovan::Setup CustomSetup() {
  tovan::Setup setup;
  setup.preset = kCustomPreset;
  setup.bitrateGbps = 2.5;
  setup.risetimePs = 120;
  setup.samplesPerBit = 64;
  setup.bandwidthGhz = 4.3;
  setup.rolloffDbPerDecade = 180;
  setup.groupDelayPs = 17;
  setup.flatnessDb = {0.5, -1, 0, 0, 2, 0, 0, 0, -0.5, 0};
  setup.threeCells = true;
  setup.views.freqPhase = false;
  setup.views.timeInput = false;
  setup.views.printColors = true;
  return setup;
}

// Every bit of every figure, NaN included.
bool SameFigures(const EyeComparison& a, const EyeComparison& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<std::vector<float>> Vertices(const PlotFrame& frame) {
  std::vector<std::vector<float>> vertices;
  for (const PlotStroke& stroke : frame.strokes) vertices.push_back(stroke.vertices);
  return vertices;
}

// Both views' pictures of a reference's traces alone.
std::vector<std::vector<float>> ReferencePictures(const ReferenceTraces& traces) {
  const PlotExtent extent{400.0f, 250.0f};
  auto pictures = Vertices(TimeDomainFrame(traces.input, traces.output, {}, false, extent));
  const FreqDomainTraces freq{traces.magnitude, traces.phase, traces.outputSpectrum,
                              traces.inputSpectrum};
  for (auto& stroke : Vertices(FreqDomainFrame(freq, {}, false, extent)))
    pictures.push_back(stroke);
  return pictures;
}

}  // namespace

class SetupReferenceTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    MakeMainWindow();
    client = dialog->Client();
    QVERIFY(folder.isValid());
  }
  void cleanup() { CloseMainWindow(); }

  void loadedSetupReachesEveryControlAndSideDialog() {
    FindControl<QAbstractButton>(client, 1048)->click();
    FindControl<QAbstractButton>(client, 1055)->click();
    const QString path = folder.filePath("custom.json");
    WriteText(path, SetupText(CustomSetup(), "."));
    QCOMPARE(dialog->OpenSetupFile(path), QString());
    QCOMPARE(Text(client, 1007), QString("2.500"));
    QCOMPARE(Text(client, 1010), QString("120"));
    QCOMPARE(Text(client, 1013), QString("4.3"));
    QCOMPARE(Text(client, 1016), QString("180"));
    QCOMPARE(Text(client, 1020), QString("17"));
    QCOMPARE(Text(client, 1051), QString("64"));
    QCOMPARE(FindControl<QPushButton>(client, 1058)->text(), QString("Show 1 Bit Cell"));
    QVERIFY(!Checked(client, 1028) && !Checked(client, 1025) && Checked(client, 1061));
    QCOMPARE(dialog->FreqView()->showPhase, 0);
    QCOMPARE(dialog->TimeView()->printColors, 1);
    QCOMPARE(app->presetIndex, kCustomPreset);
    QVERIFY(dialog->ChooserDialog()->CustomButton()->isChecked());
    auto* flatness = dialog->FlatnessDialog();
    QCOMPARE(flatness->findChild<QLineEdit*>(ControlName(1009))->text(), QString("-1.0"));
    QCOMPARE(dialog->CurrentSetup(), CustomSetup());

    tovan::Setup preset5;
    preset5.preset = 5;
    preset5.bandwidthGhz = 4.1;
    preset5.rolloffDbPerDecade = 140;
    preset5.groupDelayPs = 32;
    preset5.flatnessDb = {0.5, 1.5, 2.5, 3.0, 2.0, 0, 0, 0, 0, 0};
    WriteText(path, SetupText(preset5, "."));
    QCOMPARE(dialog->OpenSetupFile(path), QString());
    QCOMPARE(app->presetIndex, 5);
    QVERIFY(dialog->ChooserDialog()->PresetButton(5)->isChecked());
    QCOMPARE(flatness->findChild<QLineEdit*>(ControlName(1012))->text(), QString("2.5"));
    QCOMPARE(FindControl<QPushButton>(client, 1058)->text(), QString("Show 3 Bit Cells"));
    QCOMPARE(dialog->CurrentSetup(), preset5);
  }

  void refusedFileChangesNothing_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("key");
    QTest::newRow("range") << "\"risetime\": 120"
                           << "\"risetime\": 601"
                           << "\"risetime\"";
    QTest::newRow("type") << "\"threeCells\": true"
                          << "\"threeCells\": 1"
                          << "\"threeCells\"";
    QTest::newRow("unknown") << "\"rolloff\""
                             << "\"rollof\""
                             << "\"rollof\"";
    QTest::newRow("levels") << "[0.5, -1,"
                            << "[-1,"
                            << "\"flatness\"";
    QTest::newRow("truncated") << "\"views\""
                               << ""
                               << "not valid JSON";
  }

  void refusedFileChangesNothing() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, key);
    FindControl<QSlider>(client, 1004)->setValue(50);
    const tovan::Setup before = dialog->CurrentSetup();
    std::string text = SetupText(CustomSetup(), ".");
    const std::string target = from.toStdString();
    text.replace(text.find(target), key == "not valid JSON" ? std::string::npos : target.size(),
                 to.toStdString());
    const QString path = folder.filePath("bad.json");
    WriteText(path, text);
    const QString message = dialog->OpenSetupFile(path);
    QVERIFY2(message.startsWith(path) && message.contains(key), qPrintable(message));
    QCOMPARE(dialog->CurrentSetup(), before);
    QCOMPARE(Text(client, 1013), QString("15.0"));
    QCOMPARE(FindControl<QPushButton>(client, 1058)->text(), QString("Show 3 Bit Cells"));
  }

  void saveOpenSaveGivesTheSameBytes() {
    FindControl<QSlider>(client, 1003)->setValue(123);
    FindControl<QSlider>(client, 1006)->setValue(77);
    FindControl<QAbstractButton>(client, 1026)->click();
    const QString first = folder.filePath("first.json"), second = folder.filePath("second.json");
    QCOMPARE(dialog->SaveSetupFile(first), QString());
    QCOMPARE(dialog->OpenSetupFile(first), QString());
    QCOMPARE(dialog->SaveSetupFile(second), QString());
    QVERIFY(!Contents(first).isEmpty());
    QCOMPARE(Contents(second), Contents(first));
  }

  // A response block loads its file as the menu does and a statEye block waits for the
  // Statistical Eye window; a response file that cannot be read refuses the whole setup.
  void responseAndStatEyeBlocksAreApplied() {
    WriteText(folder.filePath("probe.csv"),
              "Frequency (MHz),Magnitude (dB)\n100,0\n2000,-1\n8000,-6\n");
    tovan::Setup setup = CustomSetup();
    setup.response = ResponseSetup{folder.filePath("probe.csv").toStdString(), "cascade"};
    setup.statEye = StatEyeSetup{1.5, 10.0, 2.5, 1e-9};
    const QString path = folder.filePath("blocks.json");
    WriteText(path, SetupText(setup, folder.path().toStdString()));
    QCOMPARE(dialog->OpenSetupFile(path), QString());
    QVERIFY(dialog->Engine().responseTable.value.has_value());
    QCOMPARE(dialog->Engine().responseMode.value, ResponseMode::kCascade);
    QCOMPARE(dialog->CurrentSetup(), setup);
    QVERIFY(!dialog->StatEyeWin());
    for (QAction* menu : dialog->findChild<QMenuBar*>()->actions())
      if (menu->text() == "&View") menu->menu()->actions().value(0)->trigger();
    QVERIFY(dialog->StatEyeWin());
    QCOMPARE(dialog->StatEyeWin()->ControlValues(), *setup.statEye);
    QFile::remove(folder.filePath("probe.csv"));
    tovan::Setup other = setup;
    other.bitrateGbps = 3.0;
    other.statEye->rjPs = 3.0;
    const QString bad = folder.filePath("bad.json");
    WriteText(bad, SetupText(other, folder.path().toStdString()));
    const QString message = dialog->OpenSetupFile(bad);
    QVERIFY2(message.startsWith(bad) && message.contains("probe.csv"), qPrintable(message));
    QCOMPARE(dialog->CurrentSetup(), setup);
  }

  // Every control moves the live picture and figures; the reference keeps every bit.
  void referenceIsUntouchedByControlMoves() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const PlotFrame plainTime = dialog->TimeView()->BuildFrame();
    dialog->HoldReference();
    const ReferenceTraces traces = dialog->Reference()->traces;
    const EyeComparison figures = dialog->Reference()->figures;
    QVERIFY(dialog->TimeView()->BuildFrame().strokes.size() > plainTime.strokes.size());
    for (const auto& [id, position] :
         {std::pair{1002, 100}, {1003, 300}, {1004, 120}, {1005, 10}, {1006, 500}})
      FindControl<QSlider>(client, id)->setValue(position);
    FindControl<QSpinBox>(client, 1053)->stepUp();
    FindControl<QPushButton>(client, 1058)->click();
    FindControl<QAbstractButton>(client, 1048)->click();
    dialog->FlatnessDialog()->ZeroAll();
    QTest::qWait(3 * CGLPlotWnd::kRedrawPeriodMs);
    QVERIFY(ReferencePictures(dialog->Reference()->traces) == ReferencePictures(traces));
    QVERIFY(SameFigures(dialog->Reference()->figures, figures));
    const EyeComparison live = MeasureEngineEye(dialog->Engine());
    QVERIFY(live.output.eyeHeight != figures.output.eyeHeight);
    QVERIFY2(dialog->Readout()->text().contains(" mV vs reference)"),
             qPrintable(dialog->Readout()->text()));

    dialog->ClearReference();
    QVERIFY(dialog->Reference() == nullptr);
    QVERIFY(dialog->Readout()->text().endsWith("(input / scope-affected)"));
    const PlotFrame now =
        TimeViewFrame(dialog->Engine(), dialog->TimeView()->Style(), dialog->TimeView()->Extent());
    QVERIFY(Vertices(dialog->TimeView()->BuildFrame()) == Vertices(now));
  }

 private:
  QWidget* client = nullptr;
  QTemporaryDir folder;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  SetupReferenceTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "setup_reference_gui_test.moc"
