#pragma once
// What was saved is what is shown: the check every test makes after a save.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include "richtext/RichTextBox.h"
#include "richtext/RtfWriter.h"

namespace quillmark::testing {

// The file holds the document's RTF, and reading it back gives a document with the same
// text that writes the same bytes again.
inline void expectFileHoldsTheDocument(const QString &fileName,
                                       const richtext::RichTextBox &shown) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
  const QByteArray saved = file.readAll();
  EXPECT_EQ(saved, richtext::writeRtf(*shown.document())) << fileName.toStdString();
  richtext::RichTextBox reread;
  QString error;
  ASSERT_TRUE(reread.loadFile(fileName, &error)) << error.toStdString();
  EXPECT_EQ(reread.text(), shown.text());
  EXPECT_EQ(richtext::writeRtf(*reread.document()), saved);
}

}  // namespace quillmark::testing
