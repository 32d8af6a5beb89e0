#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "app/chm_archive.h"
#include "app/help_launcher.h"
#include "app/help_viewer.h"

using namespace tovan;

namespace {

// The table of contents as help/contents.hhc writes it.
const QStringList kTopLevelTopics = {
    "Welcome to Tovan",         "The main window",          "Flatness Adjust dialog",
    "Scope Simulator presets",  "Measured scope responses", "How the simulation works",
    "Eye measurements",         "Command line",             "Python module",
    "Keyboard use",
};
const QStringList kMainWindowTopics = {
    "Input signal controls", "Scope controls", "Time domain view", "Frequency domain view"};

// Closes the next message box and hands back its text.
std::shared_ptr<QString> CloseNextMessageBox() {
  auto text = std::make_shared<QString>();
  QTimer::singleShot(50, [text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *text = box->text();
      box->accept();
    }
  });
  return text;
}

QStringList Names(const QTreeWidgetItem* parent) {
  QStringList names;
  for (int i = 0; i < parent->childCount(); ++i) names << parent->child(i)->text(0);
  return names;
}

QAction* ActionNamed(const QWidget* window, const QString& text) {
  for (QAction* action : window->findChildren<QAction*>())
    if (action->text() == text) return action;
  return nullptr;
}

}  // namespace

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The build puts the help file beside every program, this test included.
    helpFile = HelpFilePath(QCoreApplication::applicationDirPath());
    QVERIFY2(QFileInfo::exists(helpFile), qPrintable("not built: " + helpFile));
  }
  void init() { owner = std::make_unique<QWidget>(); }
  void cleanup() { owner.reset(); }

  void contentsCommandOpensTheViewerAtItsTableOfContents() {
    ShowHelpContents(owner.get());
    HelpViewer* viewer = Viewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->isWindow());
    QCOMPARE(viewer->windowTitle(), QString("Tovan Help"));
    QTreeWidget* tree = Tree(viewer);
    QCOMPARE(Names(tree->invisibleRootItem()), kTopLevelTopics);
    QTreeWidgetItem* mainWindow = tree->topLevelItem(1);
    QCOMPARE(Names(mainWindow), kMainWindowTopics);
    QVERIFY(mainWindow->isExpanded());
    QCOMPARE(tree->currentItem()->text(0), QString("Welcome to Tovan"));
    QCOMPARE(Page(viewer)->documentTitle(), QString("Welcome to Tovan"));
    const QString text = Page(viewer)->toPlainText();
    QVERIFY(text.startsWith("Welcome to Tovan"));
    QVERIFY(text.contains("Tovan shows what an oscilloscope's frequency response does"));
  }

  void everyTopicOpensThePageOfItsTitle() {
    HelpViewer* viewer = OpenViewer();
    QTreeWidget* tree = Tree(viewer);
    qsizetype topics = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++topics) {
      tree->setCurrentItem(*it);
      QCOMPARE(Page(viewer)->documentTitle(), (*it)->text(0));
      QVERIFY(Page(viewer)->toPlainText().startsWith((*it)->text(0)));
    }
    QCOMPARE(topics, kTopLevelTopics.size() + kMainWindowTopics.size());
  }

  void picturesAndStyleSheetComeFromTheHelpFile() {
    HelpViewer* viewer = OpenViewer();
    QTextBrowser* page = Page(viewer);
    viewer->grab();  // lays the page out, which loads its picture
    const QVariant shown = page->document()->resource(QTextDocument::ImageResource, QUrl("images/eye_diagram.png"));
    QVERIFY(shown.isValid());
    const QImage picture = QImage::fromData(page->loadResource(QTextDocument::ImageResource,
                                                               QUrl("images/eye_diagram.png")).toByteArray());
    QCOMPARE(picture.size(), QSize(360, 240));  // as help/images/eye_diagram.png is drawn
    const QString css = page->loadResource(QTextDocument::StyleSheetResource, QUrl("tovan.css")).toString();
    QVERIFY(css.contains("h1"));
    QVERIFY(!page->loadResource(QTextDocument::ImageResource, QUrl("images/none.png")).isValid());
    QVERIFY(!page->loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile(helpFile)).isValid());
  }

  void linksStayInsideTheFileAndTheTreeFollows() {
    HelpViewer* viewer = OpenViewer();
    QTextBrowser* page = Page(viewer);
    emit page->anchorClicked(QUrl("keyboard.html"));
    QCOMPARE(page->documentTitle(), QString("Keyboard use"));
    QCOMPARE(Tree(viewer)->currentItem()->text(0), QString("Keyboard use"));
    ActionNamed(viewer, "Back")->trigger();
    QCOMPARE(page->documentTitle(), QString("Welcome to Tovan"));
    QCOMPARE(Tree(viewer)->currentItem()->text(0), QString("Welcome to Tovan"));
    ActionNamed(viewer, "Forward")->trigger();
    QCOMPARE(page->documentTitle(), QString("Keyboard use"));
  }

  void contentsAgainBringsBackTheOpenViewerAtItsFirstPage() {
    HelpViewer* viewer = OpenViewer();
    emit Page(viewer)->anchorClicked(QUrl("signal_model.html"));
    QCOMPARE(Page(viewer)->documentTitle(), QString("How the simulation works"));
    ShowHelpContents(owner.get());
    QCOMPARE(owner->findChildren<HelpViewer*>().size(), qsizetype(1));
    QCOMPARE(Page(viewer)->documentTitle(), QString("Welcome to Tovan"));
    QCOMPARE(Tree(viewer)->currentItem()->text(0), QString("Welcome to Tovan"));
  }

  void escapeClosesTheViewer() {
    HelpViewer* viewer = OpenViewer();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(Tree(viewer), Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
  }

  void viewerWithoutOwnerDeletesItselfWhenClosed() {
    const HelpOpening opening = OpenHelpContents(helpFile, nullptr);
    QVERIFY(opening.error.isEmpty());
    QPointer<HelpViewer> viewer = opening.viewer;
    QVERIFY(!viewer.isNull());
    viewer->close();
    QTRY_VERIFY(viewer.isNull());
  }

  void missingFileShowsTheMessageWithItsFullPath() {
    QTemporaryDir root;
    QString folder = root.path();
    while (folder.size() < 300) folder += "/a-rather-long-folder-name-" + QString::number(folder.size());
    QVERIFY(QDir().mkpath(folder));
    const QString path = HelpFilePath(folder);
    const auto text = CloseNextMessageBox();
    ShowHelpFile(path, owner.get());
    QCOMPARE(*text, "Could not find file " + path + ".");
    QVERIFY(owner->findChildren<HelpViewer*>().isEmpty());
  }

  void archiveReadsObjectsByPath() {
    std::optional<ChmArchive> archive = ChmArchive::Open(helpFile);
    QVERIFY(archive.has_value());
    const std::optional<QByteArray> index = archive->Read("index.html");
    QVERIFY(index.has_value());
    QVERIFY(index->contains("<title>Welcome to Tovan</title>"));
    QVERIFY(archive->Read("/index.html") == index);
    QVERIFY(archive->Read("#SYSTEM").has_value());
    QVERIFY(!archive->Read("/no-such-page.html").has_value());
    QVERIFY(!archive->Read("/" + QString(600, 'p') + ".html").has_value());
  }

 private:
  HelpViewer* Viewer() const { return owner->findChild<HelpViewer*>(); }
  static QTreeWidget* Tree(const HelpViewer* viewer) { return viewer->findChild<QTreeWidget*>("contents"); }
  static QTextBrowser* Page(const HelpViewer* viewer) { return viewer->findChild<QTextBrowser*>("page"); }

  HelpViewer* OpenViewer() {
    const HelpOpening opening = OpenHelpContents(helpFile, owner.get());
    return opening.viewer;
  }

  QString helpFile;
  std::unique_ptr<QWidget> owner;
};

QTEST_MAIN(HelpViewerTest)
#include "help_gui_test.moc"
