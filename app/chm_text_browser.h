#pragma once

#include <QTextBrowser>
#include <QUrl>

#include "app/chm_archive.h"

namespace tovan {

// A text browser whose pages, style sheets and pictures come from a compiled help
// file. Inside the file a page is addressed as "help:/path/in/file.html"; links and
// pictures relative to a page resolve against it. Links to anything else are handed
// to the desktop.
class ChmTextBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  ChmTextBrowser(ChmArchive archive, QWidget* parent);

  // The address of `pathInFile` ("index.html", "/images/a.png"; a leading slash is
  // optional).
  static QUrl UrlFor(const QString& pathInFile);

  // The path inside the file that `url` names ("/index.html"), or an empty string
  // when `url` does not point into a help file.
  static QString PathIn(const QUrl& url);

  // Pages and style sheets as text (UTF-8), everything else as bytes; an invalid
  // QVariant for what the file does not hold.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void FollowLink(const QUrl& link);

  ChmArchive archive;
};

}  // namespace tovan
