#include <cmath>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "app/about_dialog.h"

using namespace tovan;

namespace {

// Dialog units to pixels from the definition: a horizontal unit is a quarter of the
// font's average character width (the 52 letters, rounded), a vertical unit an
// eighth of its height.
struct Units {
  explicit Units(const QFont& font) {
    const QFontMetrics metrics(font);
    const double letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    averageWidth = std::floor(letters / 52.0 + 0.5);
    height = metrics.height();
  }
  int X(int units) const { return static_cast<int>(std::lround(units * averageWidth / 4.0)); }
  int Y(int units) const { return static_cast<int>(std::lround(units * height / 8.0)); }
  QRect Rect(int x, int y, int width, int height) const {
    return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
  }

  double averageWidth;
  double height;
};

QLabel* VersionLabel(const QDialog& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text() == "Tovan Version 1.0") return label;
  return nullptr;
}

}  // namespace

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutFollowsTemplate100InDialogUnits() {
    CAboutDlg about(nullptr);
    const Units units(about.font());
    QCOMPARE(about.windowTitle(), QString("About Tovan"));
    QCOMPARE(about.size(), QSize(units.X(235), units.Y(63)));
    QLabel* version = VersionLabel(about);
    QVERIFY(version != nullptr);
    QCOMPARE(version->geometry(), units.Rect(52, 10, 119, 8));
    auto* ok = about.findChild<QPushButton*>("1");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->geometry(), units.Rect(178, 7, 50, 14));
  }

  void showsTheApplicationIconAtItsPlace() {
    CAboutDlg about(nullptr);
    const Units units(about.font());
    auto* icon = about.findChild<QLabel*>("icon");
    QVERIFY(icon != nullptr);
    const int side = about.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &about);
    QCOMPARE(icon->geometry(), QRect(units.X(15), units.Y(17), side, side));
    QVERIFY(!icon->pixmap().isNull());
    // The icon is our own eye diagram: mostly the dark panel it is drawn on.
    const QImage picture = icon->pixmap().toImage();
    const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 8);
    QVERIFY(centre.lightness() < 80);
  }

  void runsModallyUntilOkIsPressed() {
    QWidget owner;
    owner.show();
    CAboutDlg about(&owner);
    bool wasModal = false;
    QTimer::singleShot(50, [&] {
      wasModal = QApplication::activeModalWidget() == &about;
      QTest::mouseClick(about.findChild<QPushButton*>("1"), Qt::LeftButton);
    });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(wasModal);
    QVERIFY(!about.isVisible());
  }

  void escapeAlsoEndsIt() {
    CAboutDlg about(nullptr);
    QTimer::singleShot(50, [&] { QTest::keyClick(&about, Qt::Key_Escape); });
    QCOMPARE(about.exec(), int(QDialog::Rejected));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_gui_test.moc"
