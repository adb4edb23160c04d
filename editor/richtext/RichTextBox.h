#pragma once
// The document component: a QTextEdit with the selection operations the editor's commands
// use, in the units they use (characters from 0, twips, points, 24-bit colours with red in
// the low byte), and the document as RTF in and out. The commands never touch the
// QTextDocument themselves; mixed selections and "formatting typed next" are handled here.
#include <QByteArray>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdint>
#include <optional>

#include "richtext/DocumentModel.h"

class QMimeData;

namespace quillmark::richtext {

class BusyCursor;

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  static constexpr int kDefaultBulletIndent = kBulletIndentTwips;

  explicit RichTextBox(QWidget *parent = nullptr);

  // The selection, in characters from 0; a paragraph break counts as one.
  int selStart() const;
  void setSelStart(int position);  // clipped to the document; selects nothing
  int selLength() const;
  void setSelLength(int length);  // from selStart, clipped at the end of the document
  QString selText() const;        // paragraph and line breaks read as '\n'
  // Replaces the selection, in the formatting of its first character, and leaves the
  // insertion point after the new text; '\r', '\n' or "\r\n" starts a new paragraph.
  void setSelText(const QString &text);

  // Character attributes: no value when the selection is mixed. Writing applies to the
  // selection, or with nothing selected to what is typed next at the insertion point.
  std::optional<bool> selBold() const;
  void setSelBold(bool on);
  std::optional<bool> selItalic() const;
  void setSelItalic(bool on);
  std::optional<bool> selUnderline() const;
  void setSelUnderline(bool on);
  std::optional<std::uint32_t> selColor() const;
  void setSelColor(std::uint32_t rgbValue);
  std::optional<QString> selFontName() const;
  void setSelFontName(const QString &name);
  std::optional<double> selFontSize() const;  // points
  void setSelFontSize(double points);

  // The address the selection links to: "" when none of it is a link, no value when its
  // parts link to different addresses or only some of it is a link. With nothing selected,
  // the link typing would continue.
  std::optional<QString> selLink() const;
  // Makes the selection a link to `address` (blanks at its ends dropped); "" makes it no
  // link. With nothing selected a non-empty address is inserted as the text of its own link,
  // and what is typed next is no link.
  void setSelLink(const QString &address);

  // Paragraph attributes of every paragraph the selection touches.
  std::optional<Alignment> selAlignment() const;
  void setSelAlignment(Alignment alignment);
  std::optional<bool> selBullet() const;
  void setSelBullet(bool on);
  std::optional<int> selIndent() const;  // twips, on top of a bullet's indent
  void setSelIndent(int twips);          // a negative indent is taken as 0

  // The selection as a complete RTF document, in the dialect the converter reads.
  QByteArray selRtf() const;

  // The whole document as plain text ('\n' between paragraphs). setText replaces it all,
  // formatting included: setText("") leaves an empty document in the default format.
  QString text() const;
  void setText(const QString &text);

  int bulletIndent() const;  // twips
  void setBulletIndent(int twips);

  // Replace the document with an RTF file / write it as RTF (DocumentFile.h says how). On
  // failure they return false with a reason for the user in *error, and the document (or the
  // file) is as it was. A file that loads but was cut short sets *notice to say so (else it
  // is emptied).
  bool loadFile(const QString &fileName, QString *error = nullptr, QString *notice = nullptr);
  bool saveFile(const QString &fileName, QString *error = nullptr) const;

  // Inserts rich text from a clipboard or a drop at the selection: RTF, HTML or plain text,
  // reduced to what an RTF file of ours can hold (never losing text). Ctrl+V and drops come
  // through here.
  void insertRich(const QMimeData *source);

  // The runs the link look is drawn over, each with its look, for tests: one per run of a
  // link, in the order of the document or not.
  const QList<QTextEdit::ExtraSelection> &linkLooks() const { return linkLooks_; }

  // Makes every change until it is destroyed one step of undo.
  class UndoStep {
   public:
    explicit UndoStep(RichTextBox &box);
    ~UndoStep();
    UndoStep(const UndoStep &) = delete;
    UndoStep &operator=(const UndoStep &) = delete;

   private:
    QTextCursor cursor_;
  };

 protected:
  bool canInsertFromMimeData(const QMimeData *source) const override;
  void insertFromMimeData(const QMimeData *source) override;
  QMimeData *createMimeDataFromSelection() const override;
  void changeEvent(QEvent *event) override;

 private:
  // The look of links, drawn over the text as extra selections: the document's own formats
  // never hold it (DocumentModel.h).
  void followDocument();
  void lookAtLinks(int position, int charsRemoved, int charsAdded);
  void lookAtAllLinks();
  void insertRichText(const QMimeData *source, BusyCursor &busy);  // insertRich's insertion

  QList<QTextEdit::ExtraSelection> linkLooks_;
};

}  // namespace quillmark::richtext
