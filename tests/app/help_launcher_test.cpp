#include "app/help_launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tovan {
namespace {

// A real folder nested deep enough that its path is well past 260 characters.
QString MakeDeepFolder(const QTemporaryDir& root) {
  QString path = root.path();
  for (int level = 0; level < 8; ++level) path += "/level-" + QString::number(level) + "-" + QString(40, 'd');
  EXPECT_TRUE(QDir().mkpath(path));
  EXPECT_GT(path.size(), 320);
  return path;
}

TEST(HelpFilePathTest, NamesTheHelpFileInsideTheGivenFolder) {
  for (const QString& folder : {QString("/opt/tovan/bin"), QString("/opt/tovan/bin/"), QString("/")}) {
    const QFileInfo file(HelpFilePath(folder));
    EXPECT_EQ(file.fileName(), "TovanHelp.chm") << folder.toStdString();
    EXPECT_EQ(QDir::cleanPath(file.path()), QDir::cleanPath(folder)) << folder.toStdString();
    EXPECT_FALSE(HelpFilePath(folder).contains("//")) << folder.toStdString();
  }
}

TEST(HelpFilePathTest, KeepsADeepFolderWhole) {
  const QString folder = "/" + QString(300, 'a') + "/" + QString(200, 'b');
  const QString path = HelpFilePath(folder);
  EXPECT_EQ(path.size(), folder.size() + QString("/TovanHelp.chm").size());
  EXPECT_TRUE(path.startsWith(folder));
}

TEST(MissingHelpFileMessageTest, NamesTheFullPath) {
  EXPECT_EQ(MissingHelpFileMessage("/opt/tovan/TovanHelp.chm"),
            "Could not find file /opt/tovan/TovanHelp.chm.");
}

TEST(MissingHelpFileMessageTest, PathIsTakenLiterallyAtAnyLength) {
  // Format directives in a folder name must appear as written, not be expanded.
  const QString path = "/tmp/100%s %d %n/" + QString(400, 'x') + "/TovanHelp.chm";
  const QString message = MissingHelpFileMessage(path);
  EXPECT_TRUE(message.startsWith("Could not find file "));
  EXPECT_TRUE(message.endsWith("x/TovanHelp.chm."));
  EXPECT_EQ(message.size(), QString("Could not find file .").size() + path.size());
  EXPECT_TRUE(message.contains("/tmp/100%s %d %n/"));
}

// Files that are there but are no compiled help file, or are not there at all.
class UnopenableHelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root.isValid()); }

  QTemporaryDir root;
};

TEST_F(UnopenableHelpFileTest, MissingFileInADeepFolderReportsTheWholePath) {
  const QString path = HelpFilePath(MakeDeepFolder(root));
  ASSERT_GT(path.size(), 260);
  const HelpOpening opening = OpenHelpContents(path, nullptr);
  EXPECT_EQ(opening.viewer, nullptr);
  EXPECT_EQ(opening.error, "Could not find file " + path + ".");
}

TEST_F(UnopenableHelpFileTest, FileThatIsNotCompiledHelpIsReportedAsMissing) {
  const QString path = HelpFilePath(MakeDeepFolder(root));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<html>an ordinary page, not a compiled help file</html>");
  file.close();
  const HelpOpening opening = OpenHelpContents(path, nullptr);
  EXPECT_EQ(opening.viewer, nullptr);
  EXPECT_EQ(opening.error, "Could not find file " + path + ".");
}

TEST_F(UnopenableHelpFileTest, EmptyFileAndFolderOfThatNameAreReportedAsMissing) {
  const QString emptyFolder = root.filePath("empty");
  const QString folderFolder = root.filePath("folder");
  ASSERT_TRUE(QDir().mkpath(emptyFolder));
  ASSERT_TRUE(QDir().mkpath(HelpFilePath(folderFolder)));
  QFile empty(HelpFilePath(emptyFolder));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  for (const QString& path : {HelpFilePath(emptyFolder), HelpFilePath(folderFolder)}) {
    const HelpOpening opening = OpenHelpContents(path, nullptr);
    EXPECT_EQ(opening.viewer, nullptr) << path.toStdString();
    EXPECT_EQ(opening.error, "Could not find file " + path + ".");
  }
}

}  // namespace
}  // namespace tovan
