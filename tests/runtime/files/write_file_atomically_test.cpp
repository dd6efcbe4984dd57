// SPDX-License-Identifier: MIT
#include "runtime/files/write_file_atomically.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

namespace plakora {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ByteBuffer Bytes(const char* text) { return ByteBuffer(text, text + std::strlen(text)); }

class WriteFileAtomicallyTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
};

TEST_F(WriteFileAtomicallyTest, WritesAndReplacesTheWholeFile) {
  const QString path = dir_.filePath("poster.jpg");
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("first, longer content")).ok());
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("second")).ok());
  EXPECT_EQ(ReadAll(path), QByteArray("second"));
  // No temporary file is left behind.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"poster.jpg"});
}

TEST_F(WriteFileAtomicallyTest, FailuresLeaveTheFolderAsItWas) {
  const QString existing = dir_.filePath("kept.jpg");
  ASSERT_TRUE(WriteFileAtomically(existing, Bytes("old poster")).ok());
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.jpg"));

  const struct {
    const char* name;
    QString path;
  } cases[] = {
      {"a directory where the file should be", dir_.filePath("taken.jpg")},
      {"a missing folder", dir_.filePath("no/such/folder/poster.jpg")},
      {"a file in place of the folder", existing + "/poster.jpg"},
  };
  for (const auto& c : cases) {
    const FileWriteResult result = WriteFileAtomically(c.path, Bytes("new"));
    EXPECT_FALSE(result.ok()) << c.name;
    EXPECT_FALSE(result.error.isEmpty()) << c.name;
  }
  EXPECT_EQ(ReadAll(existing), QByteArray("old poster"));
  EXPECT_TRUE(QFileInfo(dir_.filePath("taken.jpg")).isDir());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.jpg"});
}

}  // namespace
}  // namespace plakora
