// Accessible names and descriptions of the main window's controls, its Tab order and the
// pane keys F6 and Shift+F6.
#include "Accessibility.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <string_view>
#include <utility>

#include "QuillmarkMain.h"
#include "preview/Preview.h"
#include "preview/PreviewPanel.h"
#include "richtext/RichTextBox.h"
#include "web/Sites.h"
#include "writing/FindBar.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

// What the buttons whose tool has no status-bar text do, in words.
QString fallbackDescription(const QString &toolName) {
  static constexpr std::pair<std::u16string_view, const char *> kDescriptions[] = {
      {u"Help", QT_TRANSLATE_NOOP("Accessibility", "Opens the user guide")},
      {u"Bullets", QT_TRANSLATE_NOOP("Accessibility", "Makes the paragraphs a bulleted list")},
      {u"Numbering", QT_TRANSLATE_NOOP("Accessibility", "Makes the paragraphs a numbered list")},
      {u"Increase Indent", QT_TRANSLATE_NOOP("Accessibility", "Indents the paragraphs further")},
      {u"Decrease Indent", QT_TRANSLATE_NOOP("Accessibility", "Indents the paragraphs less")},
      {u"Color", QT_TRANSLATE_NOOP("Accessibility", "Chooses the colour of the text")},
      {u"Fixed Columns",
       QT_TRANSLATE_NOOP("Accessibility", "Inserts a block of fixed-width text for columns")},
  };
  for (const auto &[name, text] : kDescriptions)
    if (toolName == QStringView(name)) return QCoreApplication::translate("Accessibility", text);
  return {};
}

// A toolbar button's description: its status-bar text; a site button's says where it goes.
QString buttonDescription(const QAction &action) {
  if (!action.statusTip().isEmpty()) return action.statusTip();
  if (web::findSite(action.objectName().toLower().toStdU16String()) != nullptr)
    return QCoreApplication::translate("Accessibility", "Opens %1 in the browser")
        .arg(action.toolTip());
  const QString fallback = fallbackDescription(action.objectName());
  return fallback.isEmpty() ? action.toolTip() : fallback;
}

void describeToolbar(QToolBar &bar) {
  // The button that shows the tools a narrow window has no room for.
  if (auto *more = bar.findChild<QToolButton *>(u"qt_toolbar_ext_button"_s))
    more->setAccessibleName(QCoreApplication::translate("Accessibility", "More tools"));
  for (QAction *action : bar.actions()) {
    auto *button = qobject_cast<QToolButton *>(bar.widgetForAction(action));
    if (button == nullptr) continue;
    button->setAccessibleName(withoutAccessKey(action->text()));
    button->setAccessibleDescription(buttonDescription(*action));
  }
  // A list is named by the label standing before it ("Font Size:"), described by its
  // status-bar text.
  for (QLabel *label : bar.findChildren<QLabel *>()) {
    QWidget *field = label->buddy();
    if (field == nullptr) continue;
    QString name = withoutAccessKey(label->text()).trimmed();
    if (name.endsWith(u':')) name.chop(1);
    field->setAccessibleName(name);
    field->setAccessibleDescription(field->statusTip());
    // An editable list's field is a text control of its own to a screen reader.
    if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit()) {
      list->lineEdit()->setAccessibleName(name);
      list->lineEdit()->setAccessibleDescription(field->statusTip());
    }
  }
}

// Tab goes through the window from top to bottom: the toolbars' lists, the find bar, the
// document (which takes Tab itself: Ctrl+Tab leaves it), "Copy to Web" and the preview.
void setTabOrder(QuillmarkMain &window) {
  QList<QWidget *> order{&window.fontSizeBox(), &window.postAsBox()};
  for (QWidget *child : window.findBar().findChildren<QWidget *>())
    if (child->focusPolicy() & Qt::TabFocus) order << child;
  order << &window.box() << &window.postButton();
  preview::PreviewPanel &panel = window.preview().panel();
  order << &panel.renderedView() << &panel.markupView();
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// The document takes Tab and Shift+Tab for itself (a tab, a table's next cell, a list's
// level): Ctrl+Tab and Ctrl+Shift+Tab leave it, so that the keyboard is never caught in it.
class LeaveWithCtrlTab final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!ctrl || !tab) return QObject::eventFilter(watched, event);
    const bool backwards =
        key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
    QWidget *from = static_cast<QWidget *>(watched);
    QWidget *to = backwards ? from->previousInFocusChain() : from->nextInFocusChain();
    // The chain also holds widgets that take no focus now: the next one that does.
    while (to != from && !(to->isVisible() && to->isEnabled() &&
                           (to->focusPolicy() & Qt::TabFocus) && to->focusProxy() == nullptr))
      to = backwards ? to->previousInFocusChain() : to->nextInFocusChain();
    to->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
  }
};

// F6 and Shift+F6 in the window, and in the preview's own window while it floats.
void addPaneKeys(QuillmarkMain &window) {
  const auto add = [&window](QWidget *parent, bool backwards) {
    auto *key =
        new QShortcut(QKeySequence(backwards ? Qt::SHIFT | Qt::Key_F6 : Qt::Key_F6), parent);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&window, backwards] { focusNextPane(window, backwards); });
    return key;
  };
  add(&window, false);
  add(&window, true);
  preview::PreviewPanel *dock = &window.preview().panel();
  for (bool backwards : {false, true}) {
    QShortcut *key = add(dock, backwards);
    // Docked, the window's own keys serve; two for one key would make both ambiguous.
    key->setEnabled(dock->isFloating());
    QObject::connect(dock, &QDockWidget::topLevelChanged, key, &QShortcut::setEnabled);
  }
}

}  // namespace

QString withoutAccessKey(const QString &caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 == caption.size()) break;
      ++i;  // the character after it stays, a second '&' too
    }
    text += caption[i];
  }
  return text;
}

QList<QWidget *> windowPanes(const QuillmarkMain &window) {
  QList<QWidget *> panes;
  if (window.findBar().isVisible()) panes << &window.findBar();
  panes << &window.box();
  const preview::PreviewPanel &panel = window.preview().panel();
  if (panel.isVisible()) panes << &panel.renderedView() << &panel.markupView();
  return panes;
}

void focusNextPane(QuillmarkMain &window, bool backwards) {
  const QList<QWidget *> panes = windowPanes(window);
  const QWidget *focus = QApplication::focusWidget();
  qsizetype at = -1;
  for (qsizetype i = 0; i < panes.size(); ++i)
    if (focus != nullptr && (panes[i] == focus || panes[i]->isAncestorOf(focus))) at = i;
  const qsizetype count = panes.size();
  const qsizetype next =
      at < 0 ? (backwards ? count - 1 : 0) : (at + (backwards ? count - 1 : 1)) % count;
  QWidget *pane = panes[next];
  // The find bar takes the focus in its field.
  if (pane == &window.findBar())
    if (auto *field = pane->findChild<QWidget *>(u"findText"_s)) pane = field;
  // A view of the preview shows its own tab first.
  QTabWidget &tabs = window.preview().panel().tabs();
  if (const int tab = tabs.indexOf(pane); tab >= 0) tabs.setCurrentIndex(tab);
  if (pane->window() != QApplication::activeWindow()) pane->activateWindow();
  pane->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void makeAccessible(QuillmarkMain &window) {
  for (QToolBar *bar : window.findChildren<QToolBar *>()) describeToolbar(*bar);
  window.menuBar()->setAccessibleName(QCoreApplication::translate("Accessibility", "Menu bar"));
  // The button that shows the menus a narrow window has no room for.
  if (auto *more = window.menuBar()->findChild<QToolButton *>(u"qt_menubar_ext_button"_s))
    more->setAccessibleName(QCoreApplication::translate("Accessibility", "More menus"));
  window.box().setAccessibleName(QCoreApplication::translate("Accessibility", "Document"));
  window.box().setAccessibleDescription(QCoreApplication::translate(
      "Accessibility",
      "The post being written. Ctrl+Tab leaves it; F6 moves to the find bar and the preview"));
  window.postButton().setAccessibleName(withoutAccessKey(window.postButton().text()));
  window.statusBar()->setAccessibleName(QCoreApplication::translate("Accessibility", "Status"));
  setTabOrder(window);
  window.box().installEventFilter(new LeaveWithCtrlTab(&window.box()));
  addPaneKeys(window);
}

}  // namespace quillmark
