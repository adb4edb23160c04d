// The main window: builds its menus and toolbars from the tool table, lays out the document,
// the "Copy to Web" button and the two pictures, runs the start-up steps, and dispatches a
// tool's command by its name.
#include "QuillmarkMain.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
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
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <exception>

#include "Pictures.h"
#include "ToolTable.h"
#include "richtext/RichTextBox.h"
#include "web/Sites.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcEditor, "quillmark.editor")

namespace quillmark {

namespace {

constexpr QColor kBackground(240, 232, 208);  // the 24-bit value 13691120
constexpr int kBulletIndent = 250;            // twips
constexpr double kStartFontSize = 12;         // points, for the first text typed

QString qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

}  // namespace

// The command keys in the order they are compared; the first equal key runs.
const QuillmarkMain::CommandRow QuillmarkMain::kCommands[] = {
    {u"mibold", [](QuillmarkMain &w) { w.toggleBold(); }},
    {u"miitalic", [](QuillmarkMain &w) { w.toggleItalic(); }},
    {u"miunderline", [](QuillmarkMain &w) { w.toggleUnderline(); }},
    {u"miright", [](QuillmarkMain &w) { w.alignRight(); }},
    {u"micenter", [](QuillmarkMain &w) { w.alignCenter(); }},
    {u"mileft", [](QuillmarkMain &w) { w.alignLeft(); }},
    {u"bullets", [](QuillmarkMain &w) { w.toggleBullets(); }},
    {u"increase indent", [](QuillmarkMain &w) { w.increaseIndent(); }},
    {u"decrease indent", [](QuillmarkMain &w) { w.decreaseIndent(); }},
    {u"color", [](QuillmarkMain &w) { w.chooseColor(); }},
    {u"open", [](QuillmarkMain &w) { w.openDocument(); }},
    {u"save", [](QuillmarkMain &w) { w.saveDocument(); }},
    {u"print", [](QuillmarkMain &w) { w.printDocument(); }},
    {u"exit", [](QuillmarkMain &w) { w.exitProgram(); }},
    {u"micut", [](QuillmarkMain &w) { w.cut(); }},
    {u"mipaste", [](QuillmarkMain &w) { w.paste(); }},
    {u"micopy", [](QuillmarkMain &w) { w.copy(); }},
    {u"new", [](QuillmarkMain &w) { w.newDocument(); }},
    {u"ap", [](QuillmarkMain &w) { w.openSite(u"ap"); }},
    {u"zu21", [](QuillmarkMain &w) { w.openSite(u"zu21"); }},
    {u"ccsite", [](QuillmarkMain &w) { w.openSite(u"ccsite"); }},
    {u"norvanesite", [](QuillmarkMain &w) { w.openSite(u"norvanesite"); }},
    {u"warningsite", [](QuillmarkMain &w) { w.openSite(u"warningsite"); }},
    {u"updates", [](QuillmarkMain &w) { w.openSite(u"updates"); }},
    {u"mihabout", [](QuillmarkMain &w) { w.showAbout(); }},
    {u"mihcontents", [](QuillmarkMain &w) { w.showHelp(); }},
    {u"help", [](QuillmarkMain &w) { w.showHelp(); }},
    {u"fixed columns", [](QuillmarkMain &w) { w.insertFixedColumns(); }},
};

QuillmarkMain::QuillmarkMain(std::unique_ptr<Platform> platform, QWidget *parent)
    : QMainWindow(parent),
      platform_(platform ? std::move(platform) : std::make_unique<QtPlatform>()) {
  setObjectName(u"QuillmarkMain"_s);
  setWindowTitle(u"Quillmark by Norvane"_s);
  setWindowIcon(pictures::applicationIcon());
  buildLayout();
  buildTools();
  startUp();
  resize(760, 600);
}

QuillmarkMain::~QuillmarkMain() = default;

QToolBar *QuillmarkMain::band(const QString &name) const { return toolbars_.value(name); }

void QuillmarkMain::buildLayout() {
  auto *central = new QWidget(this);
  central->setObjectName(u"client"_s);
  central->setAutoFillBackground(true);

  box_ = new richtext::RichTextBox(central);

  post_ = new QPushButton(u"Copy to Web"_s, central);
  post_->setObjectName(u"cmdPost"_s);
  post_->setIcon(pictures::copyToWebIcon());
  post_->setFont(QFont(u"MS Sans Serif"_s));
  post_->setToolTip(u"Copy the post to the clipboard as HTML (Ctrl+Shift+C)"_s);
  post_->setMinimumSize(1365 / 15, 390 / 15);
  connect(post_, &QPushButton::clicked, this, &QuillmarkMain::copyToWeb);
  auto *postShortcut = new QShortcut(QKeySequence(u"Ctrl+Shift+C"_s), this);
  connect(postShortcut, &QShortcut::activated, post_, &QPushButton::click);

  auto *bottom = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    pictures_[i] = new QLabel(central);
    pictures_[i]->setObjectName(u"Image1_%1"_s.arg(i));
  }
  drawPictures();
  bottom->addWidget(pictures_[0], 0, Qt::AlignLeft | Qt::AlignVCenter);
  bottom->addStretch(1);
  bottom->addWidget(post_, 0, Qt::AlignCenter);
  bottom->addStretch(1);
  bottom->addWidget(pictures_[1], 0, Qt::AlignRight | Qt::AlignVCenter);

  auto *layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(box_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);

  // Ctrl+Z is the text box's own; redo gets Ctrl+Y besides the desktop's own key.
  auto *redo = new QShortcut(QKeySequence(u"Ctrl+Y"_s), this);
  connect(redo, &QShortcut::activated, box_, &QTextEdit::redo);

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
  using tools::BandType;
  using tools::ToolKind;

  // One action per tool, shared by every band it stands in.
  for (const tools::Tool &tool : tools::allTools()) {
    if (tool.kind != ToolKind::Button && tool.kind != ToolKind::TextButton &&
        tool.kind != ToolKind::MenuItem)
      continue;
    const QString name = qs(tool.name);
    auto *action = new QAction(qs(tool.caption), this);
    action->setObjectName(name);
    action->setToolTip(qs(tool.tooltip));
    action->setStatusTip(qs(tool.description));
    action->setIcon(pictures::toolIcon(tool.name));
    if (!tool.shortcut.empty()) action->setShortcut(QKeySequence(qs(tool.shortcut)));
    connect(action, &QAction::triggered, this, [this, name] { dispatch(name); });
    actions_.insert(name, action);
  }
  for (const char16_t *name :
       {u"miBold", u"miItalic", u"miUnderline", u"miLeft", u"miCenter", u"miRight", u"Bullets"})
    actions_.value(QString::fromUtf16(name))->setCheckable(true);

  const tools::Tool *sizeTool = tools::findTool(u"miFontSize");
  fontSize_ = new QComboBox(this);
  fontSize_->setObjectName(qs(sizeTool->name));
  fontSize_->setEditable(true);
  fontSize_->setInsertPolicy(QComboBox::NoInsert);
  fontSize_->setToolTip(qs(sizeTool->tooltip));
  fontSize_->setStatusTip(qs(sizeTool->description));
  fontSize_->setMinimumContentsLength(3);
  connect(fontSize_, &QComboBox::textActivated, this, &QuillmarkMain::applyFontSize);

  auto fillMenu = [this, sizeTool](QMenu *menu, const tools::Band &band) {
    for (std::u16string_view entryText : band.tools) {
      const tools::BandEntry entry = tools::bandEntry(entryText);
      if (entry.separatorBefore) menu->addSeparator();
      if (entry.tool == sizeTool->name) {
        // The size list, as a submenu of its sizes.
        QMenu *sizes = menu->addMenu(qs(sizeTool->caption));
        sizes->setObjectName(qs(sizeTool->name));
        for (std::u16string_view size : tools::kFontSizes) {
          const QString text = qs(size);
          sizes->addAction(text, this, [this, text] {
            fontSize_->setCurrentText(text);
            applyFontSize();
          });
        }
      } else if (QAction *action = actions_.value(qs(entry.tool))) {
        menu->addAction(action);
      }
    }
  };

  for (const tools::Band &band : tools::allBands()) {
    if (band.type == BandType::MenuBar) {
      QMenuBar *bar = menuBar();
      bar->setObjectName(qs(band.name));
      for (std::u16string_view entryText : band.tools) {
        const tools::Tool *title = tools::findTool(tools::bandEntry(entryText).tool);
        QMenu *menu = bar->addMenu(qs(title->caption));
        menu->setObjectName(qs(title->subBand));
        menu->menuAction()->setObjectName(qs(title->name));
        menu->setToolTipsVisible(true);
        fillMenu(menu, *tools::findBand(title->subBand));
      }
    } else if (band.type == BandType::Toolbar) {
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
          case ToolKind::Label: {
            auto *label = new QLabel(qs(tool->caption) + u' ', bar);
            label->setBuddy(fontSize_);
            bar->addWidget(label);
            break;
          }
          case ToolKind::ComboBox:
            bar->addWidget(fontSize_);
            break;
          case ToolKind::Spacer: {
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
    }
  }
  // The site buttons stand in the first toolbar already; their own band starts hidden and
  // can be shown from the toolbars' context menu.
  toolbars_.value(u"Band4"_s)->hide();

  // The buttons show the formatting at the insertion point.
  connect(box_, &QTextEdit::currentCharFormatChanged, this, &QuillmarkMain::updateToolStates);
  connect(box_, &QTextEdit::cursorPositionChanged, this, &QuillmarkMain::updateToolStates);
  connect(box_, &QTextEdit::selectionChanged, this, &QuillmarkMain::updateToolStates);
}

void QuillmarkMain::startUp() {
  for (std::u16string_view size : tools::kFontSizes) fontSize_->addItem(qs(size));
  box_->setBulletIndent(kBulletIndent);
  box_->setSelFontSize(kStartFontSize);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  updateToolStates();
  box_->setFocus();
}

void QuillmarkMain::updateToolStates() {
  auto check = [this](const char16_t *name, bool on) {
    actions_.value(QString::fromUtf16(name))->setChecked(on);
  };
  check(u"miBold", box_->selBold().value_or(false));
  check(u"miItalic", box_->selItalic().value_or(false));
  check(u"miUnderline", box_->selUnderline().value_or(false));
  const auto alignment = box_->selAlignment();
  check(u"miLeft", alignment == richtext::Alignment::Left);
  check(u"miCenter", alignment == richtext::Alignment::Center);
  check(u"miRight", alignment == richtext::Alignment::Right);
  check(u"Bullets", box_->selBullet().value_or(false));
  if (!fontSize_->hasFocus()) {
    const auto size = box_->selFontSize();
    fontSize_->setCurrentText(size ? QString::number(*size) : QString());
  }
}

void QuillmarkMain::dispatch(const QString &toolName) {
  const std::u16string key = toolName.toLower().toStdU16String();
  for (const CommandRow &row : kCommands) {
    if (row.key != key) continue;
    try {
      row.run(*this);
    } catch (const std::exception &error) {
      qCWarning(lcEditor) << "The command" << toolName << "failed:" << error.what();
    } catch (...) {
      qCWarning(lcEditor) << "The command" << toolName << "failed.";
    }
    updateToolStates();
    return;
  }
}

}  // namespace quillmark
