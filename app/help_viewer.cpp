#include "app/help_viewer.h"

#include <QAction>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>

#include "app/chm_system_file.h"
#include "app/chm_text_browser.h"

namespace tovan {

namespace {

constexpr int kPageRole = Qt::UserRole;

QUrl FirstPage(const std::vector<HelpTopic>& topics) {
  for (const HelpTopic& topic : topics) {
    if (!topic.local.isEmpty()) return ChmTextBrowser::UrlFor(topic.local);
    const QUrl inside = FirstPage(topic.children);
    if (!inside.isEmpty()) return inside;
  }
  return {};
}

QUrl WithoutFragment(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment); }

// What the file says about itself, with its table of contents read and parsed.
struct HelpFileContents {
  QString title;
  std::vector<HelpTopic> topics;
  QUrl homePage;
};

HelpFileContents ReadContents(const ChmArchive& archive) {
  const ChmSystemInfo system = ParseChmSystemFile(archive.Read("#SYSTEM").value_or(QByteArray()));
  const std::optional<QByteArray> sitemap =
      system.contentsFile.isEmpty() ? std::nullopt : archive.Read(system.contentsFile);
  HelpFileContents contents;
  contents.title = system.title.isEmpty() ? QString("Tovan Help") : system.title;
  contents.topics = ParseHelpContents(QString::fromLatin1(sitemap.value_or(QByteArray())));
  contents.homePage = system.defaultTopic.isEmpty() ? FirstPage(contents.topics)
                                                    : ChmTextBrowser::UrlFor(system.defaultTopic);
  return contents;
}

}  // namespace

HelpViewer* HelpViewer::Open(const QString& helpFile, QWidget* parent) {
  std::optional<ChmArchive> archive = ChmArchive::Open(helpFile);
  if (!archive) return nullptr;
  return new HelpViewer(helpFile, std::move(*archive), parent);
}

HelpViewer::HelpViewer(const QString& helpFile, ChmArchive archive, QWidget* parent)
    : QMainWindow(parent, Qt::Window), filePath(helpFile) {
  if (parent == nullptr) setAttribute(Qt::WA_DeleteOnClose);
  const HelpFileContents contents = ReadContents(archive);
  homePage = contents.homePage;
  setWindowTitle(contents.title);
  auto* splitter = new QSplitter(this);
  tree = new QTreeWidget(splitter);
  tree->setObjectName("contents");
  tree->header()->hide();
  browser = new ChmTextBrowser(std::move(archive), splitter);
  browser->setObjectName("page");
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 580});
  setCentralWidget(splitter);
  FillTree(contents.topics, nullptr);
  BuildToolBar();
  resize(820, 600);

  connect(tree, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { OpenTopic(item); });
  connect(browser, &QTextBrowser::sourceChanged, this, &HelpViewer::SelectTopicOf);
  ShowContents();
}

void HelpViewer::BuildToolBar() {
  QToolBar* bar = addToolBar("Navigation");
  bar->setMovable(false);
  QAction* back = bar->addAction("Back", browser, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  QAction* forward = bar->addAction("Forward", browser, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  QAction* home = bar->addAction("Home", this, &HelpViewer::ShowContents);
  home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  auto* close = new QAction("Close", this);
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
}

void HelpViewer::FillTree(const std::vector<HelpTopic>& topics, QTreeWidgetItem* under) {
  for (const HelpTopic& topic : topics) {
    auto* item = under ? new QTreeWidgetItem(under) : new QTreeWidgetItem(tree);
    item->setText(0, topic.name);
    if (!topic.local.isEmpty()) item->setData(0, kPageRole, ChmTextBrowser::UrlFor(topic.local));
    FillTree(topic.children, item);
  }
}

void HelpViewer::ShowContents() {
  tree->expandAll();
  if (homePage.isEmpty()) return;
  browser->setSource(homePage);
  SelectTopicOf(homePage);
}

void HelpViewer::OpenTopic(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const QUrl page = item->data(0, kPageRole).toUrl();
  if (!page.isEmpty()) browser->setSource(page);
}

void HelpViewer::SelectTopicOf(const QUrl& page) {
  const QSignalBlocker quiet(tree);
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if (WithoutFragment((*it)->data(0, kPageRole).toUrl()) == WithoutFragment(page)) {
      tree->setCurrentItem(*it);
      return;
    }
  }
  tree->setCurrentItem(nullptr);
}

}  // namespace tovan
