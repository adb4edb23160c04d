#pragma once
// Fields for the RTF reader: the fields met in a document, their instructions, and the
// address a hyperlink field's instruction links to. Knows nothing of documents.
#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

namespace quillmark::richtext {

// The address of a HYPERLINK field instruction: its first argument, with "#" and the
// bookmark of a "\l" switch after it; empty for any other field. Inside quotes "\\" and
// "\"" stand for "\" and "\"". The switches "\o" (tooltip) and "\t" (target frame) take an
// argument that is no address.
QString hyperlinkAddress(QStringView instruction);

// The picture address of an INCLUDEPICTURE field instruction when it is an http or https
// address; empty for any other field or address (a local file is never a post's picture).
// The switch "\c" takes an argument (a graphics filter) that is no address.
QString includePictureAddress(QStringView instruction);

// The most characters of a picture field's result kept as the picture's alternative text.
inline constexpr qsizetype kMaxAltTextLength = 1000;

// The fields of one document, numbered from 1 in the order they are met.
class Fields {
 public:
  // A field starts ("\field"): its number.
  int open();
  // A character of the field's instruction ("\fldinst"); only text characters are kept.
  void instructionCharacter(int field, char16_t c);
  // The field's instruction has ended: the address it gives (as a document holds it,
  // addressText), which the caller makes the field's with setAddress. The instruction is forgotten,
  // so that a second one starts afresh.
  QString takeAddress(int field);
  void setAddress(int field, QString address);
  // What the field links to; empty for a field that is no hyperlink.
  const QString &address(int field) const { return fields_[std::size_t(field - 1)].address; }
  // The picture the field shows (an INCLUDEPICTURE of an http or https address), set by
  // takeAddress; empty for any other field, and once takePicture has taken it.
  const QString &picture(int field) const { return fields_[std::size_t(field - 1)].picture; }
  // A character of a picture field's result, its alternative text.
  void altCharacter(int field, char16_t c);
  // The picture's address and alternative text, once: the field then shows no picture.
  std::pair<QString, QString> takePicture(int field);

 private:
  struct Field {
    QString instruction;  // the instruction read so far
    QString address;      // what a hyperlink field links to; empty for any other field
    QString picture;      // what a picture field shows; empty for any other field
    QString alt;          // a picture field's result text
  };
  std::vector<Field> fields_;  // every field met so far, in order
};

}  // namespace quillmark::richtext
