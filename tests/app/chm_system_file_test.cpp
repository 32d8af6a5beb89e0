#include "app/chm_system_file.h"

#include <initializer_list>

#include <gtest/gtest.h>

namespace tovan {
namespace {

// A "#SYSTEM" object written record by record, the way the format describes it.
class SystemObject {
 public:
  SystemObject() {
    Word(3);  // the version, four bytes
    Word(0);
  }

  SystemObject& Record(int code, const QByteArray& payload) {
    Word(code);
    Word(static_cast<int>(payload.size()));
    bytes += payload;
    return *this;
  }

  // A record header that promises more bytes than follow.
  SystemObject& TruncatedRecord(int code, int promised, const QByteArray& payload) {
    Word(code);
    Word(promised);
    bytes += payload;
    return *this;
  }

  const QByteArray& Bytes() const { return bytes; }

 private:
  void Word(int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
  }

  QByteArray bytes;
};

QByteArray Terminated(const char* text) { return QByteArray(text) + QByteArray(1, '\0'); }

TEST(ChmSystemFileTest, ReadsContentsFileDefaultTopicAndTitle) {
  SystemObject object;
  object.Record(9, "compiler name").Record(2, Terminated("index.html"))
      .Record(3, Terminated("Tovan Help")).Record(0, Terminated("contents.hhc"));
  const ChmSystemInfo info = ParseChmSystemFile(object.Bytes());
  EXPECT_EQ(info.contentsFile, "contents.hhc");
  EXPECT_EQ(info.defaultTopic, "index.html");
  EXPECT_EQ(info.title, "Tovan Help");
}

TEST(ChmSystemFileTest, SkipsRecordsOfOtherCodesWhateverTheyHold) {
  SystemObject object;
  object.Record(13, QByteArray(300, '\x02')).Record(7, QByteArray(4, '\0')).Record(2, Terminated("a.html"));
  EXPECT_EQ(ParseChmSystemFile(object.Bytes()).defaultTopic, "a.html");
}

TEST(ChmSystemFileTest, TextEndsAtTheFirstZeroOrAtTheRecordEnd) {
  SystemObject object;
  object.Record(3, QByteArray("Title\0padding", 13)).Record(2, "unterminated");
  const ChmSystemInfo info = ParseChmSystemFile(object.Bytes());
  EXPECT_EQ(info.title, "Title");
  EXPECT_EQ(info.defaultTopic, "unterminated");
}

TEST(ChmSystemFileTest, TextIsLatin1) {
  SystemObject object;
  object.Record(3, Terminated("Caf\xE9"));
  EXPECT_EQ(ParseChmSystemFile(object.Bytes()).title, QString("Caf") + QChar(0xE9));
}

TEST(ChmSystemFileTest, RecordRunningPastTheEndStopsTheParseButKeepsEarlierRecords) {
  SystemObject object;
  object.Record(0, Terminated("contents.hhc")).TruncatedRecord(2, 50, "index.html");
  const ChmSystemInfo info = ParseChmSystemFile(object.Bytes());
  EXPECT_EQ(info.contentsFile, "contents.hhc");
  EXPECT_TRUE(info.defaultTopic.isEmpty());
}

TEST(ChmSystemFileTest, ShortOrEmptyObjectsGiveNothing) {
  for (const QByteArray& data : {QByteArray(), QByteArray("\x03\0", 2), QByteArray("\x03\0\0\0\x02\0", 6)}) {
    const ChmSystemInfo info = ParseChmSystemFile(data);
    EXPECT_TRUE(info.contentsFile.isEmpty());
    EXPECT_TRUE(info.defaultTopic.isEmpty());
    EXPECT_TRUE(info.title.isEmpty());
  }
}

TEST(ChmSystemFileTest, LengthIsLittleEndian) {
  // 0x0102 = 258 bytes: a big-endian reading (513) would run past the end.
  SystemObject object;
  object.Record(3, QByteArray(257, 'x') + QByteArray(1, '\0'));
  EXPECT_EQ(ParseChmSystemFile(object.Bytes()).title, QString(257, 'x'));
}

}  // namespace
}  // namespace tovan
