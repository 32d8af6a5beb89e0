#pragma once

#include <QByteArray>
#include <QString>

namespace tovan {

// What the "#SYSTEM" object of a compiled help file names. Empty strings for
// anything the object does not give.
struct ChmSystemInfo {
  QString contentsFile;  // the table of contents (.hhc), relative to the root
  QString defaultTopic;  // the page to open first
  QString title;
};

// Parses the "#SYSTEM" object: a 4-byte version, then records of a 2-byte code, a
// 2-byte length and that many bytes, all little-endian. Codes 0 (contents file),
// 2 (default topic) and 3 (title) hold zero-terminated Latin-1 text; other codes
// are skipped. A record that runs past the end stops the parse; the records before
// it count. Never reads outside `data`.
ChmSystemInfo ParseChmSystemFile(const QByteArray& data);

}  // namespace tovan
