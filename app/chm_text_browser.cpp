#include "app/chm_text_browser.h"

#include <QDesktopServices>
#include <QTextDocument>

namespace tovan {

namespace {

constexpr QLatin1String kScheme("help");

}  // namespace

ChmTextBrowser::ChmTextBrowser(ChmArchive opened, QWidget* parent)
    : QTextBrowser(parent), archive(std::move(opened)) {
  // Links are followed here, so that only addresses inside the file load pages.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &ChmTextBrowser::FollowLink);
}

QUrl ChmTextBrowser::UrlFor(const QString& pathInFile) {
  QUrl url;
  url.setScheme(kScheme);
  url.setPath(pathInFile.startsWith('/') ? pathInFile : "/" + pathInFile);
  return url;
}

QString ChmTextBrowser::PathIn(const QUrl& url) {
  if (url.scheme() != kScheme) return {};
  return url.path(QUrl::FullyDecoded);
}

QVariant ChmTextBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  const QString path = PathIn(url);
  // A help page reads nothing from outside its file.
  const std::optional<QByteArray> data = path.isEmpty() ? std::nullopt : archive.Read(path);
  if (!data) return {};
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
    return QString::fromUtf8(*data);
  return *data;
}

void ChmTextBrowser::FollowLink(const QUrl& link) {
  const QUrl url = link.isRelative() ? source().resolved(link) : link;
  if (PathIn(url).isEmpty()) QDesktopServices::openUrl(url);
  else setSource(url);
}

}  // namespace tovan
