#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QTest>

#include "app/surface_format.h"
#include "engine/signal_engine.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

using namespace tovan;

namespace {

// 8-bit channels of a plot colour, as the framebuffer stores them.
QRgb Rgb(float r, float g, float b) {
  return qRgb(qRound(r * 255), qRound(g * 255), qRound(b * 255));
}

const QRgb kOrange = Rgb(1.0f, 0.543f, 0.0f);
const QRgb kBlue = Rgb(0.28125f, 0.516f, 0.797f);
const QRgb kGreen = Rgb(0.196f, 0.804f, 0.196f);
const QRgb kGrey = Rgb(0.5f, 0.5f, 0.5f);

bool Near(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
         qAbs(qBlue(a) - qBlue(b)) <= 2;
}

int Count(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += Near(image.pixel(x, y), color);
  return n;
}

int CountInRow(const QImage& image, int y, QRgb color) {
  int n = 0;
  for (int x = 0; x < image.width(); ++x) n += Near(image.pixel(x, y), color);
  return n;
}

int CountInColumn(const QImage& image, int x, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) n += Near(image.pixel(x, y), color);
  return n;
}

}  // namespace

class PlotViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window = std::make_unique<QWidget>();
    window->resize(700, 600);
    timeFrame = new QFrame(window.get());
    timeFrame->setGeometry(10, 10, 326, 236);
    freqFrame = new QFrame(window.get());
    freqFrame->setGeometry(10, 260, 326, 166);
    engine = std::make_unique<SignalEngine>();
    timeView = new CTimeDomainView(timeFrame, engine.get(), 0);
    freqView = new CFreqDomainView(freqFrame, engine.get(), 0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  void cleanup() {
    window.reset();
    engine.reset();
  }

  void timerDrivesTheRedraws() {
    QTRY_VERIFY_WITH_TIMEOUT(timeView->TickCount() >= 2, 3000);
    QVERIFY(!timeView->SetUpFailed());
    QCOMPARE(timeView->Extent().height, 250.0f);
  }

  void defaultTimeViewShowsTracesAndGrid() {
    const QImage frame = timeView->grabFramebuffer();
    QVERIFY(Count(frame, kOrange) > 50);
    QVERIFY(Count(frame, kBlue) > 50);
    // Grid rows at i x h / 8 and columns at j x w / 10: the stippled lines light about
    // every other pixel, the solid middle ones nearly all; rows halfway between grid
    // lines are crossed only by the nine columns.
    const int w = frame.width(), h = frame.height();
    for (int i = 1; i <= 7; ++i) {
      const int y = h - 1 - static_cast<int>(i * h / 8.0);
      const int greys = qMax(CountInRow(frame, y, kGrey), CountInRow(frame, y + 1, kGrey));
      QVERIFY2(greys > w / 4, qPrintable(QString("row %1: %2").arg(i).arg(greys)));
      const int between = h - 1 - static_cast<int>((i - 0.5) * h / 8.0);
      QVERIFY2(CountInRow(frame, between, kGrey) <= 9 * 2, qPrintable(QString::number(i)));
    }
    for (int j = 1; j <= 9; ++j) {
      const int x = static_cast<int>(j * w / 10.0);
      const int greys = qMax(CountInColumn(frame, x, kGrey), CountInColumn(frame, x - 1, kGrey));
      QVERIFY2(greys > h / 4, qPrintable(QString("column %1: %2").arg(j).arg(greys)));
    }
  }

  void printColorsTurnOnlyTheBackgroundWhite() {
    const QImage normal = timeView->grabFramebuffer();
    timeView->printColors = 1;
    const QImage print = timeView->grabFramebuffer();
    QCOMPARE(normal.pixel(1, 1), qRgb(0, 0, 0));
    QCOMPARE(print.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(Count(print, qRgb(0, 0, 0)), 0);
    QCOMPARE(Count(print, kOrange), Count(normal, kOrange));
    QCOMPARE(Count(print, kBlue), Count(normal, kBlue));
    QCOMPARE(Count(print, kGrey), Count(normal, kGrey));
  }

  void uncheckingATraceRemovesItsColour() {
    QVERIFY(Count(timeView->grabFramebuffer(), kOrange) > 0);
    timeView->showInput = 0;
    const QImage withoutInput = timeView->grabFramebuffer();
    QCOMPARE(Count(withoutInput, kOrange), 0);
    QVERIFY(Count(withoutInput, kBlue) > 0);
    timeView->showOutput = 0;
    timeView->showGrid = 0;
    const QImage empty = timeView->grabFramebuffer();
    QCOMPARE(Count(empty, qRgb(0, 0, 0)), empty.width() * empty.height());

    QVERIFY(Count(freqView->grabFramebuffer(), kGreen) > 0);
    freqView->showPhase = 0;
    QCOMPARE(Count(freqView->grabFramebuffer(), kGreen), 0);
  }

  void resizedPlaceholderResizesThePaneAndItsProjection() {
    timeFrame->resize(526, 206);
    QTRY_COMPARE(timeView->size(), timeFrame->contentsRect().size());
    const QSize pixels = timeView->PixelSize();
    QVERIFY(pixels.width() > pixels.height());
    // Wider than high: 250 units high, 250 x width / height wide.
    QTRY_COMPARE(timeView->Extent().height, 250.0f);
    QVERIFY(qAbs(timeView->Extent().width - 250.0 * pixels.width() / pixels.height()) < 1e-3);
    // The grid's nine columns sit at tenths of the new width.
    const QImage frame = timeView->grabFramebuffer();
    QCOMPARE(frame.size(), pixels);
    for (int j = 1; j <= 9; ++j) {
      const int x = static_cast<int>(j * frame.width() / 10.0);
      const int greys =
          qMax(CountInColumn(frame, x, kGrey), CountInColumn(frame, x - 1, kGrey));
      QVERIFY2(greys > frame.height() / 4, qPrintable(QString::number(j)));
    }
    // Taller than wide: the width is now the 250-unit side.
    freqFrame->resize(120, 300);
    QTRY_COMPARE(freqView->size(), freqFrame->contentsRect().size());
    QTRY_COMPARE(freqView->Extent().width, 250.0f);
  }

  void threeBitCellsStillDrawBothTraces() {
    engine->show3BitCells.Write(true);
    const QImage frame = timeView->grabFramebuffer();
    QVERIFY(Count(frame, kOrange) > 50);
    QVERIFY(Count(frame, kBlue) > 50);
  }

 private:
  std::unique_ptr<SignalEngine> engine;
  std::unique_ptr<QWidget> window;
  QFrame* timeFrame = nullptr;
  QFrame* freqFrame = nullptr;
  CTimeDomainView* timeView = nullptr;
  CFreqDomainView* freqView = nullptr;
};

int main(int argc, char* argv[]) {
  SetDefaultPlotSurfaceFormat();
  QApplication application(argc, argv);
  PlotViewsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "plot_views_gui_test.moc"
