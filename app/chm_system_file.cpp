#include "app/chm_system_file.h"

namespace tovan {

namespace {

constexpr qsizetype kVersionSize = 4;
constexpr qsizetype kRecordHeaderSize = 4;

int ReadWord(const QByteArray& data, qsizetype at) {
  return static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8);
}

// The text up to the first zero byte, or all of it when there is none.
QString RecordText(const QByteArray& data, qsizetype begin, qsizetype length) {
  const QByteArray record = data.mid(begin, length);
  const qsizetype end = record.indexOf('\0');
  return QString::fromLatin1(end < 0 ? record : record.left(end));
}

}  // namespace

ChmSystemInfo ParseChmSystemFile(const QByteArray& data) {
  ChmSystemInfo info;
  qsizetype at = kVersionSize;
  while (at + kRecordHeaderSize <= data.size()) {
    const int code = ReadWord(data, at);
    const qsizetype length = ReadWord(data, at + 2);
    const qsizetype begin = at + kRecordHeaderSize;
    if (begin + length > data.size()) break;
    if (code == 0) info.contentsFile = RecordText(data, begin, length);
    if (code == 2) info.defaultTopic = RecordText(data, begin, length);
    if (code == 3) info.title = RecordText(data, begin, length);
    at = begin + length;
  }
  return info;
}

}  // namespace tovan
