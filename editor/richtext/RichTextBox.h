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
#include <memory>
#include <optional>

#include "richtext/DocumentModel.h"

class QKeyEvent;
class QTextTable;
class QMimeData;
class QUrl;

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

  // Structures (RichTextBoxStructures.cpp). selBullet and selNumbered say whether every
  // touched paragraph is an item of a bulleted / numbered list. Switching one on makes the
  // paragraphs items of that kind at their level (a numbered item becomes a bullet and back);
  // off takes them out of their lists, each keeping its own indent.
  std::optional<bool> selNumbered() const;
  void setSelNumbered(bool on);
  // The list level of the touched paragraphs: 0 outside a list, no value when they differ.
  std::optional<int> selListLevel() const;
  // Moves every touched list item `levels` deeper (negative: shallower), to at most
  // kMaxListLevel; an item taken above level 1 leaves its list as with setSelBullet(false).
  // An item joins the list of its new level that a neighbour is in, else starts one. False,
  // changing nothing, when a touched paragraph is no list item.
  bool changeSelListLevel(int levels);
  // Whether the touched paragraphs are in a quote; on puts those outside one in a quote of
  // one level, off takes them out of every quote. Their own indents stay.
  std::optional<bool> selQuote() const;
  void setSelQuote(bool on);
  // The heading level of the touched paragraphs, 0 for normal text. Setting it sets the
  // heading's look on their characters (and on what is typed next); 0 gives them the normal
  // size, not bold. Paragraphs already at that level are left as they are.
  std::optional<int> selHeading() const;
  void setSelHeading(int level);
  // Whether `address` may be a picture's: an absolute http or https address with a host.
  static bool isPictureAddress(const QString &address);
  // Replaces the selection with a picture of that address and alternative text. False, with
  // the reason in *error, when the address is not one (isPictureAddress).
  bool insertPicture(const QString &address, const QString &altText, QString *error = nullptr);
  // Replaces the selection with a horizontal rule, in a paragraph of its own (inside the
  // quote the insertion point is in).
  void insertRule();
  // The size of the placeholder a picture is shown as; the program never fetches it.
  static constexpr int kPicturePlaceholderWidth = 240;
  static constexpr int kPicturePlaceholderHeight = 60;

  // Tables (RichTextBoxTables.cpp), held as DocumentModel.h says. Each change is one step
  // of undo; one that does not apply changes nothing and returns false.
  // Whether the selection touches a table: a cell's paragraph is among those it touches.
  bool selInTable() const;
  // The table both ends of the selection are in, or nullptr.
  QTextTable *selTable() const;
  // Whether a table may be inserted at the selection: it touches no table and stands in no
  // fixed-columns block.
  bool canInsertTable() const;
  // Inserts a table of `rows` by `columns` (kept to 1 to kMaxTableRows / kMaxTableColumns)
  // after the selection, in the document's root frame, with a visible grid; the insertion
  // point goes to its first cell. In a list item, quote, heading or rule the table follows
  // that paragraph; in another paragraph it parts it at the insertion point.
  bool insertTable(int rows, int columns, bool headerRow);
  // The changes to the rows and columns of the cells the selection touches.
  enum class TableEdit {
    RowAbove,
    RowBelow,
    ColumnLeft,
    ColumnRight,
    DeleteRows,
    DeleteColumns,
    DeleteTable
  };
  bool canEditTable(TableEdit edit) const;
  bool editTable(TableEdit edit);
  // Aligns the paragraphs of every cell in the columns the selection touches.
  bool setColumnAlignment(Alignment alignment);
  // Whether the table at the selection has a header row; setting it makes its first row the
  // header, or no row.
  bool tableHeaderRow() const;
  bool setTableHeaderRow(bool on);
  // Convert Text to Table: the fixed-columns block the insertion point is in (its markers
  // dropped), else the paragraphs the selection touches, become a table whose cells keep
  // their text and formatting (the fixed face aside); cellsOfLines (TextColumns.h) says
  // where a line is cut. The first line is the header row when the line after it is a rule
  // of dashes (dropped) or when all of its text is bold. False with the reason in *error
  // when there is nothing to convert.
  bool convertTextToTable(QString *error = nullptr);
  // Convert Table to Text: the table at the selection becomes a fixed-columns block
  // (fixedColumnsBlock) of every cell's text.
  bool convertTableToText();
  // What a cell may hold of `document`, for a paste into a cell: its tables become a
  // paragraph of their cells' text per row; its paragraphs leave their lists, quotes,
  // headings and rules; a picture becomes a link to its address, showing its alternative
  // text (else the address).
  static void reduceToCellText(QTextDocument &document);
  // Tab and Shift+Tab in a table: to the start of the next / previous cell; Tab in the last
  // cell adds a row. False outside a table.
  bool moveToCell(bool back);

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
  // A web page opens as a paste of it would (WebPage.h), an .odt or .docx document through
  // LibreOffice (OfficeDocument.h); both set *imported: the document is not that file's, as
  // saving writes RTF.
  bool loadFile(const QString &fileName, QString *error = nullptr, QString *notice = nullptr,
                bool *imported = nullptr);
  bool saveFile(const QString &fileName, QString *error = nullptr) const;
  // Makes `loaded` (set up with setUpDocument) the document, unmodified, with no undo
  // history, as loadFile does with the file it read.
  void adoptDocument(std::unique_ptr<QTextDocument> loaded);

  // Inserts rich text from a clipboard or a drop at the selection: RTF, HTML or plain text,
  // reduced to what an RTF file of ours can hold (never losing text). Ctrl+V and drops come
  // through here.
  void insertRich(const QMimeData *source);
  // Inserts the whole of `incoming` at the cursor, replacing its selection, as a word
  // processor pastes: a quote, list, heading, rule or fixed-columns block that begins what
  // comes in starts a line of its own, and text after the cursor goes on a line after one
  // that ends it. Plain text at either end joins the line the cursor is in. Tables stand on
  // their own lines already. The cursor ends after what was inserted.
  static void insertDocument(QTextCursor &cursor, const QTextDocument &incoming);

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
  // Tab and Shift+Tab in a table move from cell to cell (moveToCell); at the start of a list
  // item (or over whole items) they change its level;
  // Return at the end of a heading starts a paragraph of normal text.
  void keyPressEvent(QKeyEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  // Pictures are shown as a placeholder naming their address and alternative text: no
  // resource is ever fetched.
  QVariant loadResource(int type, const QUrl &name) override;

 private:
  // The look of links, drawn over the text as extra selections: the document's own formats
  // never hold it (DocumentModel.h).
  void followDocument();
  void lookAtLinks(int position, int charsRemoved, int charsAdded);
  void lookAtAllLinks();
  void insertRichText(const QMimeData *source, BusyCursor &busy);  // insertRich's insertion
  void setSelList(int kind);  // 0: no list, 1: bullets, 2: numbers

  QList<QTextEdit::ExtraSelection> linkLooks_;
};

}  // namespace quillmark::richtext
