#include "app/chm_archive.h"

#include <QFile>

#include <chm_lib.h>

namespace tovan {

void ChmArchive::Closer::operator()(chmFile* opened) const { chm_close(opened); }

std::optional<ChmArchive> ChmArchive::Open(const QString& path) {
  // The library only checks the header; a folder or an unreadable file must not
  // reach it.
  QFile probe(path);
  if (!probe.open(QIODevice::ReadOnly)) return std::nullopt;
  probe.close();
  chmFile* opened = chm_open(QFile::encodeName(path).constData());
  if (opened == nullptr) return std::nullopt;
  return ChmArchive(opened);
}

std::optional<QByteArray> ChmArchive::Read(const QString& path) const {
  QByteArray name = path.toUtf8();
  if (!name.startsWith('/')) name.prepend('/');
  if (name.size() > CHM_MAX_PATHLEN) return std::nullopt;
  chmUnitInfo unit{};
  if (chm_resolve_object(file.get(), name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
    return std::nullopt;
  if (unit.length > static_cast<LONGUINT64>(kMaxObjectSize)) return std::nullopt;
  const auto length = static_cast<qsizetype>(unit.length);
  QByteArray data(length, Qt::Uninitialized);
  qsizetype done = 0;
  while (done < length) {
    const LONGINT64 got =
        chm_retrieve_object(file.get(), &unit, reinterpret_cast<unsigned char*>(data.data()) + done,
                            static_cast<LONGUINT64>(done), static_cast<LONGINT64>(length - done));
    if (got <= 0) return std::nullopt;
    done += static_cast<qsizetype>(got);
  }
  return data;
}

}  // namespace tovan
