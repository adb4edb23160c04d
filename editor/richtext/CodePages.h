#pragma once
// The code pages of RTF text: which code page a font's character set stands for, and the
// turning of one code page's bytes into text. Knows nothing of RTF syntax; of documents only
// which characters their text holds (isTextCharacter).
#include <QString>
#include <QStringDecoder>
#include <array>

namespace quillmark::richtext {

inline constexpr int kWindowsWestern = 1252;

// The code page of a font's "\fcharset"; -1 for the document's own.
int codePageOfCharset(int charset);

// Turns the bytes of one code page into text. Single-byte code pages go through a table;
// the others through a decoder that keeps a lead byte until its trail byte arrives. A code
// page that does not read printable ASCII as itself is read as Windows-1252. A byte other
// than a control byte (below 0x20, 0x7F) always gives text characters: where the code page
// gives none, the replacement character.
class CodePage {
 public:
  explicit CodePage(int number);

  bool isSingleByte() const { return singleByte_; }
  const std::array<char16_t, 256> &table() const { return table_; }
  // The text a byte completes: empty for a lead byte.
  QString decodeMultiByte(char byte);
  // Forgets a lead byte whose trail byte never came.
  void dropLeadByte() { decoder_.resetState(); }

 private:
  std::array<char16_t, 256> table_{};
  bool singleByte_ = true;
  QStringDecoder decoder_;
};

}  // namespace quillmark::richtext
