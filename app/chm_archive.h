#pragma once

#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>

struct chmFile;

namespace tovan {

// An open compiled help file, read-only. Move-only: it owns the open file and
// closes it when destroyed.
class ChmArchive {
 public:
  // The largest object Read returns; anything bigger counts as unreadable.
  static constexpr qint64 kMaxObjectSize = 64 * 1024 * 1024;

  // Opens `path`; nothing when the file is missing, unreadable or not a compiled
  // help file.
  static std::optional<ChmArchive> Open(const QString& path);

  // The whole object at `path` inside the archive ("/index.html"; a missing leading
  // slash is added); nothing when it is absent, bigger than kMaxObjectSize, or
  // cannot be read in full.
  std::optional<QByteArray> Read(const QString& path) const;

 private:
  struct Closer {
    void operator()(chmFile* file) const;
  };

  explicit ChmArchive(chmFile* opened) : file(opened) {}

  std::unique_ptr<chmFile, Closer> file;
};

}  // namespace tovan
