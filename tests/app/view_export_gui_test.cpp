#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialog_builder.h"
#include "app/main_dialog_template.h"
#include "app/simulator_app.h"
#include "app/simulator_dlg.h"
#include "app/surface_format.h"
#include "app/view_export.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"
#include "main_window_fixture.h"

using namespace tovan;

namespace {

QRgb Rgb(double r, double g, double b) {
  return qRgb(qRound(r * 255), qRound(g * 255), qRound(b * 255));
}
const QRgb kOrange = Rgb(1.0, 0.543, 0.0);
const QRgb kBlue = Rgb(0.28125, 0.516, 0.797);
const QRgb kCrimson = Rgb(0.863, 0.078, 0.235);

int Count(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += qAbs(qRed(p) - qRed(color)) <= 1 && qAbs(qGreen(p) - qGreen(color)) <= 1 &&
           qAbs(qBlue(p) - qBlue(color)) <= 1;
    }
  return n;
}

// The texts as shown, without the mnemonic marks.
QStringList FileMenuTexts(QWidget& dialog) {
  QStringList texts;
  for (QAction* menu : dialog.findChild<QMenuBar*>()->actions())
    if (menu->text().remove('&') == "File")
      for (QAction* action : menu->menu()->actions())
        texts << (action->isSeparator() ? QString("-") : action->text().remove('&'));
  return texts;
}

}  // namespace

// The File menu's exports from the real main window.
class ViewExportTest : public QObject, protected MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(OpenMainWindow());
  }
  void cleanup() { CloseMainWindow(); }

  void fileMenuListsTheExportsBeforeExit() {
    QCOMPARE(FileMenuTexts(*dialog),
             QStringList({"Open Setup...", "Save Setup...", "-", "Hold as Reference",
                          "Clear Reference", "-", "Export Time View…", "Export Frequency View…",
                          "Export Data…", "-", "Load Scope Response...", "Clear Scope Response",
                          "Cascade With Modelled Scope", "-", "Exit"}));
  }

  void pngAtThePaneSizeAndTwiceIt() {
    QTemporaryDir dir;
    CTimeDomainView& view = *dialog->TimeView();
    const QSize pane = view.PixelSize();
    QVERIFY(pane.width() > 100 && pane.height() > 100);
    QVERIFY(ExportView(view, dir.filePath("a.png"), ExportFormat::Png));
    QVERIFY(ExportView(view, dir.filePath("b.png"), ExportFormat::PngDoubleSize));
    const QImage normal(dir.filePath("a.png"));
    const QImage twice(dir.filePath("b.png"));
    QCOMPARE(normal.size(), pane);
    QCOMPARE(twice.size(), pane * 2);
    QVERIFY(Count(normal, kOrange) > 50);
    QVERIFY(Count(normal, kBlue) > 50);
    QVERIFY(Count(twice, kBlue) > Count(normal, kBlue));
  }

  void exportFollowsTheCheckBoxes() {
    QTemporaryDir dir;
    FindControl<QAbstractButton>(dialog->Client(), kTimeInputCheck)->click();  // input bit pattern off
    FindControl<QAbstractButton>(dialog->Client(), kPrintColorsCheck)->click();  // print colours on
    QVERIFY(ExportView(*dialog->TimeView(), dir.filePath("t.png"), ExportFormat::Png));
    const QImage image(dir.filePath("t.png"));
    QCOMPARE(Count(image, kOrange), 0);
    QVERIFY(Count(image, kBlue) > 50);
    QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
  }

  void svgOfTheFrequencyView() {
    QTemporaryDir dir;
    QVERIFY(ExportView(*dialog->FreqView(), dir.filePath("f.svg"), ExportFormat::Svg));
    QFile file(dir.filePath("f.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    const QSize pane = dialog->FreqView()->PixelSize();
    const QString viewBox = QString("viewBox=\"0 0 %1 %2\"").arg(pane.width()).arg(pane.height());
    QVERIFY(svg.contains(viewBox.toLatin1()));
    QVERIFY(svg.contains(QColor(kCrimson).name().toLatin1()));
    QVERIFY(svg.count("<polyline") > 20);
  }

  void unwritablePathFails() {
    QVERIFY(!ExportView(*dialog->TimeView(), "/nonexistent-folder/x.png", ExportFormat::Png));
  }

  void dataGoesToTheCommandLineFiles() {
    QTemporaryDir dir;
    const QString folder = dir.filePath("csv");
    QCOMPARE(ExportDataTo(dialog->Engine(), folder), QString());
    for (const char* name : {"input_traces.csv", "output_traces.csv", "frequency.csv"})
      QVERIFY2(QFile::exists(QDir(folder).filePath(name)), name);
    QFile frequency(QDir(folder).filePath("frequency.csv"));
    QVERIFY(frequency.open(QIODevice::ReadOnly));
    const QByteArray header =
        "frequency_ghz,magnitude_db,phase_deg,input_spectrum_db,output_spectrum_db";
    QCOMPARE(frequency.readLine().trimmed(), header);
    // One line per sample row of the output traces, after the header.
    QFile output(QDir(folder).filePath("output_traces.csv"));
    QVERIFY(output.open(QIODevice::ReadOnly));
    QCOMPARE(output.readAll().count('\n'), dialog->Engine().OutputTraces().rows() + 1);
    // A regular file where the folder should be.
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!ExportDataTo(dialog->Engine(), dir.filePath("file/csv")).isEmpty());
  }

 private:
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  ViewExportTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "view_export_gui_test.moc"
