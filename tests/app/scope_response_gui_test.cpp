#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "app/dialog_builder.h"
#include "app/scope_response_menu.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "engine/scope_preset_table.h"
#include "main_window_fixture.h"

using namespace tovan;

namespace {

bool SlidersEnabled(const CSimulatorDlg& dialog) {
  return FindControl<QSlider>(dialog.Client(), 1004)->isEnabled() &&
         FindControl<QSlider>(dialog.Client(), 1005)->isEnabled();
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

// Loading, switching and clearing a measured response in the real main window.
class ScopeResponseTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(OpenMainWindow());
    menu = dialog->findChild<ScopeResponseMenu*>();
    QVERIFY(menu);
    QVERIFY(dir.isValid());
    good = dir.filePath("probe.csv");
    std::ofstream(good.toStdString()) << "Frequency (GHz),Magnitude (dB),Phase (deg)\n"
                                         "0.1,0,0\n10,-3,-90\n";
  }
  void cleanup() { CloseMainWindow(); }

  void loadingReplacesTheModelAndDisablesItsSliders() {
    QVERIFY(SlidersEnabled(*dialog));
    QVERIFY(menu->Load(good));
    QVERIFY(dialog->Engine().responseTable.value.has_value());
    QCOMPARE(app->presetIndex, kCustomPreset);
    QVERIFY(!SlidersEnabled(*dialog));
    QVERIFY(menu->Line()->isVisible());
    QCOMPARE(menu->Line()->text(), ScopeResponseLine("probe.csv", ResponseMode::kReplace));
    menu->SetCascade(true);
    QVERIFY(SlidersEnabled(*dialog));
    QCOMPARE(dialog->Engine().responseMode.value, ResponseMode::kCascade);
    QVERIFY(menu->Line()->text().contains("cascade"));
    menu->Clear();
    QVERIFY(!dialog->Engine().responseTable.value.has_value());
    QVERIFY(SlidersEnabled(*dialog));
    QVERIFY(!menu->Line()->isVisible());
  }

  void aBadFileShowsOneMessageAndChangesNothing() {
    QVERIFY(menu->Load(good));
    const ResponseTable before = *dialog->Engine().responseTable.value;
    const QString bad = dir.filePath("bad.s2p");
    std::ofstream(bad.toStdString()) << "# GHz S RI\n1 0 0 1 0 0 0 0\n";
    std::unique_ptr<QString> message(CloseNextMessageBox());
    QVERIFY(!menu->Load(bad));
    QCOMPARE(*message, bad + ", line 2: the frequency on this line has only 8 values: a 2-port "
                             "file has 9 values per frequency (the frequency and 4 pairs)");
    QVERIFY(*dialog->Engine().responseTable.value == before);
    QVERIFY(!SlidersEnabled(*dialog));
    QCOMPARE(menu->Line()->text(), ScopeResponseLine("probe.csv", ResponseMode::kReplace));
  }

 private:
  ScopeResponseMenu* menu = nullptr;
  QTemporaryDir dir;
  QString good;
};

QTEST_MAIN(ScopeResponseTest)
#include "scope_response_gui_test.moc"
