// The main window: builds its menus and toolbars from the tool table, lays out the document,
// the "Copy to Web" button and the two pictures, runs the start-up steps, and dispatches a
// tool's command by its name.
#include "QuillmarkMain.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <exception>
#include <utility>

#include "Accessibility.h"
#include "Pictures.h"
#include "ToolTable.h"
#include "WindowLayout.h"
#include "i18n/Translation.h"
#include "preview/Preview.h"
#include "richtext/BusyCursor.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfWriter.h"
#include "spelling/Spelling.h"
#include "web/Profiles.h"
#include "writing/DocumentState.h"
#include "writing/DraftKeeper.h"
#include "writing/FindBar.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcEditor, "quillmark.editor")

namespace quillmark {

namespace {

using richtext::qs;

// A text of the tool table in the desktop's language.
QString toolText(std::u16string_view text) { return i18n::translated("Tool", text); }

// Whether a menu text has an access key: an '&' that is not half of "&&".
bool hasAccessKey(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return true;
    ++i;
  }
  return false;
}

}  // namespace

QuillmarkMain::QuillmarkMain(std::unique_ptr<Platform> platform, QWidget *parent)
    : QMainWindow(parent),
      platform_(platform ? std::move(platform) : std::make_unique<QtPlatform>()) {
  setObjectName(u"QuillmarkMain"_s);
  setWindowIcon(pictures::applicationIcon());
  buildLayout();
  buildTools();
  startUp();
  resize(760, 600);
  buildWritingAids();
  keepLight();
  makeAccessible(*this);
}

// The document goes first, with the box that shows it, while everything that follows it is
// still whole: the underline, the preview, the state and the draft then have nothing to take
// back from it. The other way round, the underline would clear its formats from every
// paragraph as it detached, and Qt would lay the whole document out again: seconds for a long
// post, after the window is gone.
QuillmarkMain::~QuillmarkMain() {
  drafts_.reset();  // it reads the document whenever the window is left
  disconnect(box_, nullptr, this, nullptr);
  delete box_;
  box_ = nullptr;
}

QToolBar *QuillmarkMain::band(const QString &name) const { return toolbars_.value(name); }

void QuillmarkMain::buildLayout() {
  auto *central = new QWidget(this);
  central->setObjectName(u"client"_s);
  central->setAutoFillBackground(true);

  box_ = new richtext::RichTextBox(central);

  post_ = new QPushButton(tr("Copy to Web"), central);
  post_->setObjectName(u"cmdPost"_s);
  post_->setIcon(pictures::copyToWebIcon());
  post_->setFont(QFont(qs(richtext::kDefaultFontName)));
  post_->setToolTip(tr("Copy the post to the clipboard as HTML (Ctrl+Shift+C)"));
  post_->setMinimumSize(1365 / 15, 390 / 15);
  connect(post_, &QPushButton::clicked, this, &QuillmarkMain::copyToWeb);
  auto *postShortcut = new QShortcut(QKeySequence(u"Ctrl+Shift+C"_s), this);
  connect(postShortcut, &QShortcut::activated, post_, &QPushButton::click);
  // Beside it while a post in parts has parts left to copy; its key is the menu item's.
  nextPart_ = new QPushButton(tr("Copy Ne&xt Part"), central);
  nextPart_->setObjectName(u"cmdNextPart"_s);
  nextPart_->setFont(QFont(qs(richtext::kDefaultFontName)));
  nextPart_->setToolTip(tr("Copy the next part of the post (Ctrl+Alt+C)"));
  nextPart_->setVisible(false);
  connect(nextPart_, &QPushButton::clicked, this, &QuillmarkMain::copyNextPart);

  auto *bottom = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    pictures_[i] = new QLabel(central);
    pictures_[i]->setObjectName(u"Image1_%1"_s.arg(i));
  }
  drawPictures();
  bottom->addWidget(pictures_[0], 0, Qt::AlignLeft | Qt::AlignVCenter);
  bottom->addStretch(1);
  bottom->addWidget(post_, 0, Qt::AlignCenter);
  bottom->addWidget(nextPart_, 0, Qt::AlignCenter);
  bottom->addStretch(1);
  bottom->addWidget(pictures_[1], 0, Qt::AlignRight | Qt::AlignVCenter);

  auto *layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  findBar_ = new FindBar(*box_, central);
  layout->addWidget(findBar_);
  layout->addWidget(box_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);

  statusBar()->setSizeGripEnabled(true);
}

void QuillmarkMain::drawPictures() {
  for (int i = 0; i < 2; ++i)
    pictures_[i]->setPixmap(pictures::cornerPicture(i, devicePixelRatioF()));
}

void QuillmarkMain::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  drawPictures();
  // Moved to a screen of another pixel ratio, the pictures are drawn again for it.
  if (QWindow *window = windowHandle())
    connect(window, &QWindow::screenChanged, this, &QuillmarkMain::drawPictures,
            Qt::UniqueConnection);
}

void QuillmarkMain::buildTools() {
  buildActions();
  buildFontSizeBox();
  buildPostAsBox();
  for (const tools::Band &band : tools::allBands()) {
    if (band.type == tools::BandType::MenuBar) buildMenuBar(band);
    if (band.type == tools::BandType::Toolbar) buildToolbar(band);
  }
  // The buttons show the formatting at the insertion point.
  connect(box_, &QTextEdit::currentCharFormatChanged, this, &QuillmarkMain::updateToolStates);
  connect(box_, &QTextEdit::cursorPositionChanged, this, &QuillmarkMain::updateToolStates);
  connect(box_, &QTextEdit::selectionChanged, this, &QuillmarkMain::updateToolStates);
  // Paste Forum Post follows what the clipboard holds.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
          &QuillmarkMain::updateToolStates);
}

// One action per tool, shared by every band it stands in.
void QuillmarkMain::buildActions() {
  using tools::ToolKind;
  for (const tools::Tool &tool : tools::allTools()) {
    if (tool.kind != ToolKind::Button && tool.kind != ToolKind::TextButton &&
        tool.kind != ToolKind::MenuItem)
      continue;
    const QString name = qs(tool.name);
    auto *action = new QAction(toolText(tool.caption), this);
    action->setObjectName(name);
    action->setToolTip(toolText(tool.tooltip));
    action->setStatusTip(toolText(tool.description));
    action->setIcon(pictures::icon(tool.icon));
    if (!tool.shortcut.empty()) action->setShortcut(QKeySequence(qs(tool.shortcut)));
    action->setCheckable(tool.checked != nullptr);
    connect(action, &QAction::triggered, this, [this, name] { dispatch(name); });
    actions_.insert(name, action);
  }
}

void QuillmarkMain::buildFontSizeBox() {
  const tools::Tool *sizeTool = tools::findTool(u"miFontSize");
  fontSize_ = new QComboBox(this);
  fontSize_->setObjectName(qs(sizeTool->name));
  fontSize_->setEditable(true);
  fontSize_->setInsertPolicy(QComboBox::NoInsert);
  fontSize_->setToolTip(toolText(sizeTool->tooltip));
  fontSize_->setStatusTip(toolText(sizeTool->description));
  fontSize_->setMinimumContentsLength(3);
  connect(fontSize_, &QComboBox::textActivated, this, &QuillmarkMain::applyFontSize);
}

void QuillmarkMain::buildMenuBar(const tools::Band &band) {
  QMenuBar *bar = menuBar();
  bar->setObjectName(qs(band.name));
  for (std::u16string_view entryText : band.tools) {
    const tools::Tool *title = tools::findTool(tools::bandEntry(entryText).tool);
    QMenu *menu = bar->addMenu(toolText(title->caption));
    menu->setObjectName(qs(title->subBand));
    menu->menuAction()->setObjectName(qs(title->name));
    menu->setToolTipsVisible(true);
    fillMenu(menu, *tools::findBand(title->subBand));
  }
}

void QuillmarkMain::fillMenu(QMenu *menu, const tools::Band &band) {
  for (std::u16string_view entryText : band.tools) {
    const tools::BandEntry entry = tools::bandEntry(entryText);
    const tools::Tool *tool = tools::findTool(entry.tool);
    if (entry.separatorBefore) menu->addSeparator();
    if (tool->kind == tools::ToolKind::ComboBox) {
      // The size list, as a submenu of its sizes.
      QMenu *sizes = menu->addMenu(toolText(tool->caption));
      sizes->setObjectName(qs(tool->name));
      for (std::u16string_view size : tools::kFontSizes) {
        const QString text = qs(size);
        sizes->addAction(text, this, [this, text] {
          fontSize_->setCurrentText(text);
          applyFontSize();
        });
      }
    } else if (QAction *action = actions_.value(qs(tool->name))) {
      menu->addAction(action);
    }
  }
}

void QuillmarkMain::buildToolbar(const tools::Band &band) {
  if (!toolbars_.isEmpty()) addToolBarBreak();
  QToolBar *bar = addToolBar(qs(band.caption));
  bar->setObjectName(qs(band.name));
  bar->setFont(QFont(u"Arial"_s));
  bar->setIconSize(QSize(16, 16));
  toolbars_.insert(qs(band.name), bar);
  for (std::u16string_view entryText : band.tools) {
    const tools::BandEntry entry = tools::bandEntry(entryText);
    const tools::Tool *tool = tools::findTool(entry.tool);
    if (entry.separatorBefore) bar->addSeparator();
    switch (tool->kind) {
      case tools::ToolKind::Label: {
        auto *label = new QLabel(toolText(tool->caption) + u' ', bar);
        label->setObjectName(qs(tool->name));
        label->setBuddy(tool->name == u"lblPostAs" ? postAs_ : fontSize_);
        bar->addWidget(label);
        break;
      }
      case tools::ToolKind::ComboBox:
        bar->addWidget(tool->name == u"cboPostAs" ? postAs_ : fontSize_);
        break;
      case tools::ToolKind::Spacer: {
        auto *spacer = new QWidget(bar);
        spacer->setObjectName(qs(tool->name));
        spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        bar->addWidget(spacer);
        break;
      }
      default:
        bar->addAction(actions_.value(qs(tool->name)));
        break;
    }
  }
  if (band.startsHidden) bar->hide();
}

void QuillmarkMain::startUp() {
  for (std::u16string_view size : tools::kFontSizes) fontSize_->addItem(qs(size));
  box_->setBulletIndent(richtext::kBulletIndentTwips);
  box_->setSelFontSize(kStartFontSize);
  updateToolStates();
  box_->setFocus();
}

// The window's background is a fixed light colour, and the post is written as it will show on
// a forum's light page, whatever the desktop's colours. Under a dark desktop theme the
// desktop's light text would vanish on it, so the window and its menus take the style's own
// light palette, with the window's colour and dark text. Dialogs keep the desktop's colours.
void QuillmarkMain::keepLight() {
  QPalette light = style()->standardPalette();
  light.setColor(QPalette::Window, kWindowColor);
  light.setColor(QPalette::WindowText, Qt::black);
  setPalette(light);
  // Menus are windows of their own, which take no palette from the window.
  for (QMenu *menu : findChildren<QMenu *>()) {
    menu->setPalette(light);
    menu->setAttribute(Qt::WA_WindowPropagation);
  }
}

void QuillmarkMain::buildWritingAids() {
  followDocument();
  buildDrafts();
  connect(findBar_, &FindBar::messaged, this,
          [this](const QString &text) { statusBar()->showMessage(text, 5000); });
  buildSpelling();
  buildRunTimeMenus();
  buildPreview();
  restoreWindowLayout(settings_, *this);
  keepWindowLayout(settings_, *this);
}

// The document's draft, kept while it has unsaved changes; a draft that cannot be kept is
// said in the status bar. The drafts folder loses the locks that programs killed left behind.
// When the session ends the draft is left for the next start.
void QuillmarkMain::buildDrafts() {
  DraftKeeper::removeStaleLocks();
  drafts_ = std::make_unique<DraftKeeper>();
  drafts_->watch([this] { return richtext::writeRtf(*box_->document()); },
                 [this] { return box_->document()->isModified(); });
  connect(drafts_.get(), &DraftKeeper::writeFailed, this, [this](const QString &reason) {
    statusBar()->showMessage(tr("The draft could not be kept: %1").arg(reason));
  });
  platform_->onSessionEnd(this, [this] { endSession(); });
}

// No question can be asked now: a changed document's draft is written at once and left for
// the next start, which offers it as after a crash; an unchanged document leaves none. Then
// the window closes and the program quits, once the event loop is back (the session
// manager's request must not end the program from inside it).
void QuillmarkMain::endSession() {
  if (ending_) return;
  ending_ = true;
  leaveWhenIdle();
}

// Opening, pasting or saving runs the event loop for its progress: the document is whole
// again only once that work is over.
void QuillmarkMain::leaveWhenIdle() {
  if (richtext::BusyCursor::active()) {
    QTimer::singleShot(50, this, &QuillmarkMain::leaveWhenIdle);
    return;
  }
  std::optional<QByteArray> rtf;
  if (box_->document()->isModified()) rtf = richtext::writeRtf(*box_->document());
  if (!drafts_->leaveForNextStart(rtf))
    qCWarning(lcEditor) << "the last draft could not be written:" << drafts_->errorString();
  QMetaObject::invokeMethod(
      this,
      [this] {
        close();
        QCoreApplication::quit();
      },
      Qt::QueuedConnection);
}

// Spelling as the settings left it, kept there when it changes, and the box's own menu with
// the corrections of a misspelt word at the top.
void QuillmarkMain::buildSpelling() {
  spelling_ = std::make_unique<Spelling>(*box_);
  if (settings_.contains(u"spelling/checking"_s))
    spelling_->setChecking(settings_.value(u"spelling/checking"_s).toBool());
  if (settings_.contains(u"spelling/language"_s))
    spelling_->setLanguage(settings_.value(u"spelling/language"_s).toString());
  connect(spelling_.get(), &Spelling::settingsChanged, this, [this] {
    settings_.setValue(u"spelling/checking"_s, spelling_->isChecking());
    settings_.setValue(u"spelling/language"_s, spelling_->checker().language());
  });
  box_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(box_, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
    documentMenu(pos)->exec(box_->viewport()->mapToGlobal(pos));
  });
}

std::unique_ptr<QMenu> QuillmarkMain::documentMenu(const QPoint &viewportPos) {
  std::unique_ptr<QMenu> menu = spelling_->contextMenu(viewportPos);
  menu->setPalette(palette());
  showEditShortcuts(*menu);
  return menu;
}

// Qt's own items of a text field's menu name the platform's first key for their command
// (Redo as Ctrl+Shift+Z under X11) and Qt's words for it ("Alles auswählen" where the Edit
// menu says "Alles markieren"); they are given the Edit menu's keys, and its words where
// Qt's differ, so that a command has one name and one shortcut wherever it is shown. An
// item Qt gives no access key keeps none, so that it takes none from the spelling items
// above it.
void QuillmarkMain::showEditShortcuts(QMenu &menu) const {
  static constexpr std::pair<std::u16string_view, std::u16string_view> kSameAsTool[] = {
      {u"edit-undo", u"miUndo"}, {u"edit-redo", u"miRedo"},   {u"edit-cut", u"miCut"},
      {u"edit-copy", u"miCopy"}, {u"edit-paste", u"miPaste"}, {u"select-all", u"miSelectAll"},
  };
  for (QAction *item : menu.actions()) {
    for (const auto &[qtName, tool] : kSameAsTool) {
      const QAction *action = toolAction(qs(tool));
      if (item->objectName() != qs(qtName) || action == nullptr) continue;
      QString words = item->text().section(u'\t', 0, 0);
      const QString menus = action->text().section(u'\t', 0, 0);
      if (withoutAccessKey(words) != withoutAccessKey(menus))
        words = hasAccessKey(words) ? menus : withoutAccessKey(menus);
      item->setText(words + u'\t' + action->shortcut().toString(QKeySequence::NativeText));
    }
  }
}

// The two submenus whose items change at run time stand beside the table's rows: File >
// Recent Files (before Exit) and Tools > Spelling.
void QuillmarkMain::buildRunTimeMenus() {
  QMenu *file = menuBar()->findChild<QMenu *>(u"mnuFile"_s);
  recentMenu_ = new QMenu(tr("&Recent Files"), file);
  recentMenu_->setObjectName(u"mnuRecent"_s);
  file->insertMenu(toolAction(u"exit"_s), recentMenu_);
  file->insertSeparator(toolAction(u"exit"_s));
  recent_.attachMenu(
      *recentMenu_, [this](const QString &path) { openRecentFile(path); },
      [this](const QString &path) {
        platform_->showMessage(this, Platform::Icon::Warning, u"Quillmark"_s,
                               missingRecentFileMessage(path));
      });
  QMenu *toolsMenu = menuBar()->findChild<QMenu *>(u"mnuTools"_s);
  spellingMenu_ = toolsMenu->addMenu(tr("&Spelling"));
  spellingMenu_->setObjectName(u"mnuSpelling"_s);
  connect(spellingMenu_, &QMenu::aboutToShow, this,
          [this] { spelling_->fillMenu(*spellingMenu_); });
}

// The preview dock and the length gauge, following the box and "Post as:".
void QuillmarkMain::buildPreview() {
  preview_ = std::make_unique<preview::Preview>(
      *this, *box_, *profiles_, *postAs_, settings_,
      preview::Preview::Hooks{[this](const QString &address) { DoWeb1(address); },
                              [this](const QString &problem) {
                                platform_->showMessage(this, Platform::Icon::Warning,
                                                       u"Quillmark"_s, problem);
                              }});
  preview_->attachAction(toolAction(u"miPreview"_s));
  offerNextPart();
}

// The state follows the box's document; a file opened into the box comes as a new one.
void QuillmarkMain::followDocument() {
  state_ = std::make_unique<DocumentState>(*box_->document());
  state_->attach(*this);
}

void QuillmarkMain::closeEvent(QCloseEvent *event) {
  if (!ending_) {  // else the draft, if any, is the next start's
    // Not in the middle of opening, pasting or saving: the window repaints then, and nothing
    // else.
    if (richtext::BusyCursor::active() || !mayDropDocument()) {
      event->ignore();
      return;
    }
    drafts_->remove();
  }
  saveWindowLayout(settings_, *this);
  QMainWindow::closeEvent(event);
}

// Leaving the window is a moment to keep the draft: the writer may be about to do
// something risky elsewhere.
void QuillmarkMain::changeEvent(QEvent *event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && drafts_) drafts_->saveNow();
}

void QuillmarkMain::updateToolStates() {
  for (const tools::Tool &tool : tools::allTools()) {
    if (tool.checked) actions_.value(qs(tool.name))->setChecked(tool.checked(*box_));
    if (tool.enabled) actions_.value(qs(tool.name))->setEnabled(tool.enabled(*box_));
  }
  if (!fontSize_->hasFocus()) {
    const auto size = box_->selFontSize();
    fontSize_->setCurrentText(size ? QString::number(*size) : QString());
  }
}

void QuillmarkMain::dispatch(const QString &toolName) {
  const tools::Tool *tool = tools::findCommand(toolName.toLower().toStdU16String());
  if (tool == nullptr) return;
  try {
    tool->command(*this);
  } catch (const std::exception &error) {
    qCWarning(lcEditor) << "The command" << toolName << "failed:" << error.what();
  } catch (...) {
    qCWarning(lcEditor) << "The command" << toolName << "failed.";
  }
  updateToolStates();
}

}  // namespace quillmark
