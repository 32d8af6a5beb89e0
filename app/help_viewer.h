#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include "app/chm_archive.h"
#include "app/help_contents.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tovan {

class ChmTextBrowser;

// Tovan's help window: the table of contents of a compiled help file as a tree on
// the left, the pages on the right, with Back, Forward and Home. A modeless
// top-level window; with a parent it is owned by it (and so usable while the
// parent runs modally), without one it deletes itself when closed.
class HelpViewer : public QMainWindow {
  Q_OBJECT

 public:
  // A viewer on `helpFile` showing its table of contents (see ShowContents), not
  // yet shown; null when the file is missing or is not a compiled help file.
  static HelpViewer* Open(const QString& helpFile, QWidget* parent);

  const QString& FilePath() const { return filePath; }

  // Unfolds the whole table of contents and shows the default page: the file's
  // default topic, or the first topic with a page when it names none.
  void ShowContents();

 private:
  HelpViewer(const QString& helpFile, ChmArchive archive, QWidget* parent);

  void BuildToolBar();
  void FillTree(const std::vector<HelpTopic>& topics, QTreeWidgetItem* under);
  void OpenTopic(QTreeWidgetItem* item);
  void SelectTopicOf(const QUrl& page);

  QString filePath;
  QUrl homePage;
  QTreeWidget* tree = nullptr;
  ChmTextBrowser* browser = nullptr;
};

}  // namespace tovan
