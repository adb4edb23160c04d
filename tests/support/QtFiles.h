#pragma once
// Whole files written and read back in one call, for tests that lay out files and check what
// became of them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace quillmark::testing {

// Makes `fileName` hold exactly `bytes`, its folder made first; fails the test when it cannot.
inline void writeFile(const QString &fileName, const QByteArray &bytes) {
  QDir().mkpath(QFileInfo(fileName).absolutePath());
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size()) << fileName.toStdString();
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quillmark::testing
