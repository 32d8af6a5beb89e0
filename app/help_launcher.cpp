#include "app/help_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QWidget>

#include "app/help_viewer.h"

namespace tovan {

QString HelpFilePath(const QString& executableDir) {
  return QDir(executableDir).filePath("TovanHelp.chm");
}

QString MissingHelpFileMessage(const QString& helpFilePath) {
  return "Could not find file " + helpFilePath + ".";
}

namespace {

HelpViewer* OpenViewerOf(const QString& helpFilePath, const QWidget* parent) {
  if (parent == nullptr) return nullptr;
  for (HelpViewer* viewer : parent->findChildren<HelpViewer*>(Qt::FindDirectChildrenOnly))
    if (viewer->FilePath() == helpFilePath) return viewer;
  return nullptr;
}

}  // namespace

HelpOpening OpenHelpContents(const QString& helpFilePath, QWidget* parent) {
  HelpViewer* viewer = OpenViewerOf(helpFilePath, parent);
  if (viewer != nullptr) viewer->ShowContents();
  else viewer = HelpViewer::Open(helpFilePath, parent);
  if (viewer == nullptr) return {nullptr, MissingHelpFileMessage(helpFilePath)};
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return {viewer, QString()};
}

void ShowHelpFile(const QString& helpFilePath, QWidget* parent) {
  const HelpOpening opening = OpenHelpContents(helpFilePath, parent);
  if (opening.viewer == nullptr) QMessageBox::warning(parent, QString(), opening.error);
}

void ShowHelpContents(QWidget* parent) {
  ShowHelpFile(HelpFilePath(QCoreApplication::applicationDirPath()), parent);
}

}  // namespace tovan
