#pragma once
// The editor's main window: the document, the menu bar and toolbars built from the tool
// table, the "Copy to Web" button, and the dispatcher that runs a tool's command by its name.
// The commands live in one file per group (FormatCommands, CopyToWeb, DocumentCommands).
#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QSettings>
#include <memory>

#include "Platform.h"
#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"
#include "writing/RecentFiles.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace quillmark {

namespace richtext {
class RichTextBox;
}
class DocumentState;
class DraftKeeper;
class FindBar;
class Spelling;
namespace tools {
struct Band;
}
namespace web {
class ProfileStore;
}
namespace preview {
class Preview;
}

class QuillmarkMain : public QMainWindow {
  Q_OBJECT

 public:
  // The size, in points, of the first text typed, and of text converted from the clipboard:
  // the document's normal size.
  static constexpr double kStartFontSize = richtext::kDefaultFontPointSize;
  // The colour behind the window's controls, and the About box's (the 24-bit value 13691120).
  static constexpr QColor kWindowColor{240, 232, 208};

  // The window uses `platform` for every dialog and message box; with none it uses the real
  // ones.
  explicit QuillmarkMain(std::unique_ptr<Platform> platform = nullptr, QWidget *parent = nullptr);
  ~QuillmarkMain() override;

  richtext::RichTextBox &box() const { return *box_; }
  QComboBox &fontSizeBox() const { return *fontSize_; }
  QPushButton &postButton() const { return *post_; }
  // "Post as:": the forum profile "Copy to Web" and "Convert Clipboard" write for.
  QComboBox &postAsBox() const { return *postAs_; }
  web::ProfileStore &profiles() const { return *profiles_; }
  // The action of a tool, by its name ("miBold"), or nullptr.
  QAction *toolAction(const QString &name) const { return actions_.value(name); }
  QToolBar *band(const QString &name) const;

  // Runs the command of a tool, found by the tool's name in any letter case. A name that
  // is no command key does nothing. Errors are contained: no exception leaves a command.
  void dispatch(const QString &toolName);

  // "Copy to Web": the whole document on the clipboard as text, in the format of the forum
  // profile chosen under "Post as:"; the status bar says what was copied.
  void copyToWeb();
  // "Copy Next Part": after "Copy to Web" copied the first part of a post too long for its
  // forum, the next part on the clipboard; the status bar says which. Offered (in the Web
  // menu and beside "Copy to Web") while parts remain.
  void copyNextPart();
  QPushButton &nextPartButton() const { return *nextPart_; }
  // "Convert Clipboard": the rich text on the clipboard (RTF, else HTML, else plain text)
  // replaced by its post in the chosen profile's format; the document is left alone.
  void convertClipboard();
  // "Paste Forum Post": the clipboard's plain text read as a post in the format of the
  // profile under "Post as:" (an html profile: BBCode when the text holds it, in the dialect
  // its tags tell, else Markdown) and inserted as formatted text, one undo step.
  void pasteForumPost();
  // "Link...": asks for the address the selection links to; an empty one removes the link.
  void makeLink();
  // "Forums...": the dialog that adds, changes and removes the user's forum profiles.
  void showForums();
  // The font size shown in the font-size list, applied to the selection.
  void applyFontSize();

  // Opens a web address in the desktop's browser, telling the user when it cannot.
  void DoWeb1(const QString &address);

  // Opens an RTF file into the document; false (after telling the user) when it cannot.
  // It does not ask about unsaved changes: the callers that replace a document do.
  bool openFile(const QString &fileName);
  // Whether a file opens as a forum post (.md, .bbcode, .txt) rather than a document.
  static bool isPostFile(const QString &fileName);

  // The document's file and unsaved changes, its draft, spelling and the find bar.
  DocumentState &documentState() const { return *state_; }
  DraftKeeper &drafts() const { return *drafts_; }
  Spelling &spelling() const { return *spelling_; }
  FindBar &findBar() const { return *findBar_; }
  RecentFiles &recentFiles() { return recent_; }
  QMenu &recentMenu() const { return *recentMenu_; }
  QMenu &spellingMenu() const { return *spellingMenu_; }
  // The document's right-click menu at a point of its viewport: the spelling's corrections,
  // then the edit items with the shortcuts of the Edit menu.
  std::unique_ptr<QMenu> documentMenu(const QPoint &viewportPos);
  // Gives Qt's edit items of `menu` (named "edit-redo" and so on) the Edit menu's shortcuts.
  void showEditShortcuts(QMenu &menu) const;
  // The preview dock and the status bar's length gauge (View > Preview).
  preview::Preview &preview() const { return *preview_; }

  // Offers each draft left by a program that ended without saving, newest first; the one
  // restored becomes the document. The program calls it once its window is shown.
  void offerDrafts();

  // The commands the tools run (ToolTable.cpp), by group. Run them through dispatch() as
  // the tools do: it contains their failures and shows the new formatting on the tools.
  // Formatting (FormatCommands.cpp):
  void toggleBold();
  void toggleItalic();
  void toggleUnderline();
  void alignLeft();
  void alignCenter();
  void alignRight();
  void toggleBullets();
  void increaseIndent();
  void decreaseIndent();
  void chooseColor();
  void insertFixedColumns();
  void toggleNumbering();
  void toggleQuote();
  void setHeading1();
  void setHeading2();
  void setHeading3();
  void setNormalText();
  // Insert > Picture from Address...: asks for a picture's address and alternative text;
  // an address that is no http or https one is refused with a message.
  void insertPicture();
  void insertRule();
  // Tables (TableCommands.cpp). Insert > Table... asks for the table's shape, offering the
  // one chosen last; the others work on the table at the selection.
  void insertTable();
  void insertRowAbove();
  void insertRowBelow();
  void insertColumnLeft();
  void insertColumnRight();
  void deleteRow();
  void deleteColumn();
  void deleteTable();
  void alignColumnLeft();
  void alignColumnCenter();
  void alignColumnRight();
  void toggleHeaderRow();
  // Tells the user why when there is nothing to convert.
  void convertTextToTable();
  void convertTableToText();
  // File, edit and help (DocumentCommands.cpp):
  void newDocument();
  void openDocument();
  // Save writes a document that has a file back to it; Save As, and Save without a file,
  // ask where. False when the save failed or was cancelled.
  bool saveDocument();
  bool saveDocumentAs();
  void printDocument();
  void exitProgram();
  void cut();
  void copy();
  void paste();
  void undo();
  void redo();
  void selectAll();
  void showFind();
  void findNext();
  void showReplace();
  void showHelp();
  void showAbout();
  void openSite(std::u16string_view key);

 protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void changeEvent(QEvent *event) override;

 private:
  void buildTools();
  void buildActions();
  void buildFontSizeBox();
  void buildMenuBar(const tools::Band &band);
  void fillMenu(QMenu *menu, const tools::Band &band);
  void buildToolbar(const tools::Band &band);
  void buildLayout();
  void drawPictures();  // at the pixel ratio of the screen the window is on
  void startUp();
  void keepLight();
  void updateToolStates();
  Platform::FileDialogSettings fileDialogSettings() const;
  void buildPostAsBox();
  void fillPostAsBox();
  void buildWritingAids();
  void buildDrafts();
  void buildSpelling();
  void buildRunTimeMenus();
  void buildPreview();
  void followDocument();
  // The desktop session ends or the program was told to stop: see buildDrafts().
  void endSession();
  void leaveWhenIdle();
  // Asks about unsaved changes before the document is closed or replaced; false: keep it.
  bool mayDropDocument();
  // The document was replaced by a new, opened or restored one.
  void documentReplaced();
  bool openPostFile(const QString &fileName);  // openFile for a forum post's file
  void openRecentFile(const QString &fileName);
  // Writes the document to `fileName`, which becomes its file; tells the user when it cannot.
  bool saveTo(const QString &fileName);

  std::unique_ptr<Platform> platform_;
  richtext::RichTextBox *box_ = nullptr;
  QComboBox *fontSize_ = nullptr;
  QPushButton *post_ = nullptr;
  QPushButton *nextPart_ = nullptr;  // "Copy Next Part", shown while parts remain
  // The parts of the post "Copy to Web" copied last, and the one copied last.
  std::vector<QString> parts_;
  std::size_t partCopied_ = 0;
  // Shows or hides "Copy Next Part" as parts remain or not.
  void offerNextPart();
  QComboBox *postAs_ = nullptr;
  std::unique_ptr<web::ProfileStore> profiles_;
  QLabel *pictures_[2] = {nullptr, nullptr};
  QHash<QString, QAction *> actions_;
  QHash<QString, QToolBar *> toolbars_;
  QColor lastColor_ = Qt::black;    // the colour dialog opens on the colour chosen last
  Platform::TableShape lastTable_;  // the table dialog opens on the shape chosen last
  mutable Converter converter_;
  QSettings settings_;
  RecentFiles recent_{settings_};
  std::unique_ptr<DocumentState> state_;
  std::unique_ptr<DraftKeeper> drafts_;
  std::unique_ptr<Spelling> spelling_;
  FindBar *findBar_ = nullptr;
  QMenu *recentMenu_ = nullptr;
  QMenu *spellingMenu_ = nullptr;
  std::unique_ptr<preview::Preview> preview_;
  bool ending_ = false;  // the session ends: the window closes without a question
};

}  // namespace quillmark
