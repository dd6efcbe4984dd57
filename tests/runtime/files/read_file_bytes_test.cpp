// SPDX-License-Identifier: MIT
#include "runtime/files/read_file_bytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace plakora {
namespace {

class ReadFileBytesTest : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& content) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(ReadFileBytesTest, ReadsTheWholeFile) {
  const QByteArray content("\x00\x01picture\xff", 10);
  const FileReadResult read = ReadFileBytes(write("a.bin", content));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read.bytes.data()),
                       static_cast<qsizetype>(read.bytes.size())),
            content);
}

TEST_F(ReadFileBytesTest, EmptyFileReadsAsNoBytes) {
  const FileReadResult read = ReadFileBytes(write("empty", {}));
  EXPECT_TRUE(read.ok());
  EXPECT_TRUE(read.bytes.empty());
}

TEST_F(ReadFileBytesTest, UnreadablePlacesGiveReasons) {
  const struct {
    const char* name;
    QString path;
  } cases[] = {
      {"empty path", QString()},
      {"missing file", dir_.filePath("missing.png")},
      {"directory", dir_.path()},
  };
  for (const auto& c : cases) {
    const FileReadResult read = ReadFileBytes(c.path);
    EXPECT_FALSE(read.ok()) << c.name;
    EXPECT_TRUE(read.bytes.empty()) << c.name;
  }
}

TEST_F(ReadFileBytesTest, FileOverTheLimitIsRefused) {
  const FileReadResult read = ReadFileBytes(write("big", QByteArray(100, 'x')), 99);
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.bytes.empty());
}

}  // namespace
}  // namespace plakora
