// What a screen reader finds in the window and its dialogs: every control the keyboard
// reaches has a name, every toolbar button a description beyond its name; the gauge says its
// level in words; F6 goes round the window's panes; and the colours the program chooses for
// its own text keep a contrast of 4.5:1 on light and dark palettes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QInputDialog>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "AboutBox.h"
#include "Accessibility.h"
#include "ScriptedPlatform.h"
#include "help/HelpWindow.h"
#include "preview/Contrast.h"
#include "preview/LengthGauge.h"
#include "preview/MarkupHighlighter.h"
#include "preview/Preview.h"
#include "preview/PreviewPanel.h"
#include "richtext/RichTextBox.h"
#include "web/ForumsDialog.h"
#include "writing/FindBar.h"

using namespace Qt::StringLiterals;

namespace quillmark {
namespace {

using preview::contrastRatio;
using preview::LengthGauge;
using testing::ScriptedWindow;
using Level = LengthGauge::Level;

QString describeWidget(const QWidget &widget) {
  return u"%1 \"%2\" (%3)"_s.arg(QString::fromLatin1(widget.metaObject()->className()),
                                 widget.objectName(), widget.window()->windowTitle());
}

// The controls under `root` that have no accessible name: the visible ones that take the
// focus, and every button, shown or not (a screen reader lists hidden ones too, and the
// buttons Qt adds to a field or a toolbar take no focus).
QStringList unnamedControls(QWidget &root) {
  QStringList found;
  QList<QWidget *> widgets = root.findChildren<QWidget *>();
  widgets.prepend(&root);
  for (QWidget *widget : widgets) {
    // The line edits of spin boxes and editable lists count: a screen reader lists them.
    const bool button = qobject_cast<QAbstractButton *>(widget) != nullptr;
    if (!widget->isVisible() && !button) continue;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (iface == nullptr) {
      found << describeWidget(*widget) + u": no accessible interface"_s;
      continue;
    }
    const bool focusable = iface->state().focusable || widget->focusPolicy() != Qt::NoFocus;
    if ((focusable || button) && iface->text(QAccessible::Name).trimmed().isEmpty())
      found << describeWidget(*widget);
  }
  return found;
}

// The toolbar buttons whose description is missing or only repeats their name.
QStringList undescribedButtons(QWidget &root) {
  QStringList found;
  for (QToolBar *bar : root.findChildren<QToolBar *>()) {
    for (QToolButton *button : bar->findChildren<QToolButton *>()) {
      if (button->defaultAction() == nullptr) continue;  // the bar's own extension button
      QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
      const QString name = iface->text(QAccessible::Name);
      const QString description = iface->text(QAccessible::Description);
      if (description.isEmpty() || description == name)
        found << u"%1 \"%2\""_s.arg(button->defaultAction()->objectName(), name);
    }
  }
  return found;
}

// Runs `inspect` on the modal dialog the next thing opens, then closes it.
void onNextModal(std::function<void(QWidget &)> inspect) {
  QTimer::singleShot(0, [inspect] {
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    inspect(*dialog);
    if (auto *d = qobject_cast<QDialog *>(dialog.data())) d->reject();
  });
}

TEST(Accessibility, EveryControlHasANameAndEveryToolbarButtonADescription) {
  struct Case {
    const char *name;
    // Shows what is checked and runs `check` on its top widget.
    std::function<void(ScriptedWindow &, const std::function<void(QWidget &)> &)> open;
  };
  const Case cases[] = {
      {"main window with the replace bar and the preview",
       [](ScriptedWindow &w, const auto &check) {
         w.window.show();
         w.window.findBar().showReplace();
         w.window.preview().toggle();
         check(w.window);
       }},
      {"Forums",
       [](ScriptedWindow &w, const auto &check) {
         w.platform->onModal = [&](QDialog &dialog) {
           dialog.show();
           check(dialog);
         };
         w.window.dispatch(u"miForums"_s);
       }},
      {"About",
       [](ScriptedWindow &w, const auto &check) {
         w.platform->onModal = [&](QDialog &dialog) {
           dialog.show();
           check(dialog);
         };
         w.window.dispatch(u"miHAbout"_s);
       }},
      {"Insert Table",
       [](ScriptedWindow &w, const auto &check) {
         QtPlatform platform;
         onNextModal(check);
         platform.askTable(&w.window, {});
       }},
      {"Picture from Address",
       [](ScriptedWindow &w, const auto &check) {
         QtPlatform platform;
         onNextModal(check);
         platform.askPicture(&w.window);
       }},
      {"Link",
       [](ScriptedWindow &w, const auto &check) {
         QtPlatform platform;
         onNextModal(check);
         platform.askText(&w.window, u"Link"_s, u"&Address:"_s, {});
       }},
      {"Help",
       [](ScriptedWindow &, const auto &check) {
         help::HelpWindow *help = help::HelpWindow::showContents();
         check(*help);
         help->close();
       }},
  };
  for (const Case &c : cases) {
    ScriptedWindow w;
    bool checked = false;
    c.open(w, [&](QWidget &top) {
      checked = true;
      EXPECT_EQ(unnamedControls(top), QStringList()) << c.name;
      EXPECT_EQ(undescribedButtons(top), QStringList()) << c.name;
    });
    EXPECT_TRUE(checked) << c.name << " did not open";
  }
}

TEST(Accessibility, ToolbarButtonsAreNamedByTheirCaptions) {
  ScriptedWindow w;
  const struct {
    const char *name;
    QString tool, accessibleName;
    QString inDescription;
  } cases[] = {
      {"a caption's access key is dropped", u"miBold"_s, u"Bold"_s, u"bold"_s},
      {"status-bar text describes", u"new"_s, u"New"_s, u"Creates a new, blank file"_s},
      {"no status-bar text: what it does", u"Fixed Columns"_s, u"Fixed Columns"_s, u"block"_s},
      {"a site says where it goes", u"AP"_s, u"AP"_s, u"in the browser"_s},
  };
  QToolBar *bar = w.window.band(u"Band1"_s);
  QToolBar *formatting = w.window.band(u"Band2"_s);
  for (const auto &c : cases) {
    QAction *action = w.window.toolAction(c.tool);
    ASSERT_NE(action, nullptr) << c.name;
    QWidget *button = bar->widgetForAction(action);
    if (button == nullptr) button = formatting->widgetForAction(action);
    ASSERT_NE(button, nullptr) << c.name;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(iface->text(QAccessible::Name), c.accessibleName) << c.name;
    EXPECT_TRUE(iface->text(QAccessible::Description).contains(c.inDescription))
        << c.name << ": " << iface->text(QAccessible::Description).toStdString();
  }
  // The lists are named by their labels, whose access keys reach them.
  EXPECT_EQ(w.window.fontSizeBox().accessibleName(), u"Font Size"_s);
  EXPECT_EQ(w.window.postAsBox().accessibleName(), u"Post as"_s);
  EXPECT_FALSE(w.window.postAsBox().accessibleDescription().isEmpty());
}

TEST(Accessibility, CaptionsLoseTheirAccessKeys) {
  const struct {
    const char *name;
    QString caption, expected;
  } cases[] = {
      {"plain", u"Bullets"_s, u"Bullets"_s},
      {"key first", u"&Bold"_s, u"Bold"_s},
      {"key inside", u"Fo&rmat"_s, u"Format"_s},
      {"a doubled ampersand is one", u"Q&&A"_s, u"Q&A"_s},
      {"an ampersand at the end goes", u"Odd&"_s, u"Odd"_s},
      {"empty", QString(), QString()},
  };
  for (const auto &c : cases) EXPECT_EQ(withoutAccessKey(c.caption), c.expected) << c.name;
}

TEST(Accessibility, F6GoesRoundThePanes) {
  ScriptedWindow w;
  w.window.show();
  w.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  w.window.preview().toggle();
  w.window.box().setFocus();
  QWidget *box = &w.window.box();
  QWidget *rendered = &w.window.preview().panel().renderedView();
  QWidget *markup = &w.window.preview().panel().markupView();
  const struct {
    const char *name;
    Qt::KeyboardModifiers modifiers;
    QWidget *expected;
  } steps[] = {
      {"document to the preview", Qt::NoModifier, rendered},
      {"preview to the markup", Qt::NoModifier, markup},
      {"round to the document", Qt::NoModifier, box},
      {"back to the markup", Qt::ShiftModifier, markup},
      {"back to the preview", Qt::ShiftModifier, rendered},
  };
  // A view of the preview shows no caret: the one the focus is in is framed in the
  // highlight colour, the other is not.
  const auto framed = [](QWidget *view) {
    const QImage shot = view->grab().toImage();
    return shot.pixelColor(0, shot.height() / 2) == view->palette().color(QPalette::Highlight);
  };
  for (const auto &step : steps) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, step.modifiers);
    EXPECT_EQ(QApplication::focusWidget(), step.expected) << step.name;
    for (QWidget *view : {rendered, markup}) {
      if (view->isVisible()) {
        EXPECT_EQ(framed(view), view == step.expected) << step.name;
      }
    }
  }
  EXPECT_EQ(w.window.preview().panel().tabs().currentWidget(), rendered)
      << "the markup's pane shows its tab, and the preview's its own";

  // The find bar, while it shows, is the first pane; its field takes the focus.
  w.window.findBar().showFind();
  w.window.box().setFocus();
  QTest::keyClick(box, Qt::Key_F6, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), u"findText"_s);
}

// Tab goes from the toolbars' lists down the window; the document keeps Tab for itself, and
// Ctrl+Tab leaves it both ways.
TEST(Accessibility, TabGoesDownTheWindowAndCtrlTabLeavesTheDocument) {
  ScriptedWindow w;
  w.window.show();
  w.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  w.window.preview().toggle();
  QWidget *box = &w.window.box();
  const struct {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QWidget *expected;
  } steps[] = {
      {"font size to Post as", Qt::Key_Tab, Qt::NoModifier, &w.window.postAsBox()},
      {"Post as to the document", Qt::Key_Tab, Qt::NoModifier, box},
      {"Tab stays in the document", Qt::Key_Tab, Qt::NoModifier, box},
      {"Ctrl+Tab leaves it for Copy to Web", Qt::Key_Tab, Qt::ControlModifier,
       &w.window.postButton()},
      {"then the preview", Qt::Key_Tab, Qt::NoModifier, &w.window.preview().panel().renderedView()},
  };
  w.window.fontSizeBox().setFocus();
  for (const auto &step : steps) {
    QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
    EXPECT_EQ(QApplication::focusWidget(), step.expected)
        << step.name << ", at " << QApplication::focusWidget()->objectName().toStdString();
  }
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &w.window.postAsBox()) << "Ctrl+Shift+Tab goes back";
  EXPECT_EQ(w.window.box().toPlainText(), u"\t"_s) << "the one plain Tab typed a tab";
}

// Alt and the label's letter puts the keyboard in the list the label names; no menu title
// has the letter.
TEST(Accessibility, TheToolbarLabelsAccessKeysReachTheirLists) {
  ScriptedWindow w;
  w.window.show();
  w.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  QStringList titles;
  for (QAction *title : w.window.menuBar()->actions()) titles << title->text();
  const struct {
    const char *name;
    Qt::Key key;
    QWidget *list;
  } cases[] = {
      {"Font Size", Qt::Key_Z, &w.window.fontSizeBox()},
      {"Post as", Qt::Key_A, &w.window.postAsBox()},
  };
  for (const auto &c : cases) {
    const QString letter = QKeySequence(c.key).toString().toLower();
    for (const QString &title : titles)
      EXPECT_FALSE(title.toLower().contains(u'&' + letter))
          << c.name << " and " << title.toStdString();
    w.window.box().setFocus();
    QTest::keyClick(&w.window.box(), c.key, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), c.list) << c.name;
  }
  // While the replace row shows, Alt+A still reaches the list, every time: no button of the
  // find bar shares its key.
  w.window.findBar().showReplace();
  for (int i = 0; i < 2; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), &w.window.postAsBox()) << "Alt+A, time " << i + 1;
  }
}

// Every dialog closes with Esc, and the table's takes its shape with Enter.
TEST(Accessibility, DialogsCloseWithEscapeAndTakeEnter) {
  ScriptedWindow w;
  QtPlatform platform;
  const auto press = [](Qt::Key key) {
    QTimer::singleShot(0, [key] {
      if (QWidget *dialog = QApplication::activeModalWidget()) {
        QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyClick(target, key);
      }
    });
    // Were the dialog to stay open, it is closed a while later so that the test goes on.
    QTimer::singleShot(2000, [] {
      if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        dialog->done(QDialog::Rejected + 2);
    });
  };
  const struct {
    const char *name;
    std::function<bool()> closedWithEscape;  // true: Esc closed it as a cancel
  } cases[] = {
      {"Insert Table",
       [&] {
         press(Qt::Key_Escape);
         return !platform.askTable(&w.window, {}).has_value();
       }},
      {"Picture from Address",
       [&] {
         press(Qt::Key_Escape);
         return !platform.askPicture(&w.window).has_value();
       }},
      {"Link",
       [&] {
         press(Qt::Key_Escape);
         return !platform.askText(&w.window, u"Link"_s, u"&Address:"_s, {}).has_value();
       }},
      {"Forums",
       [&] {
         web::ForumsDialog forums(w.window.profiles(), &w.window);
         press(Qt::Key_Escape);
         return forums.exec() == QDialog::Rejected;
       }},
      {"About",
       [&] {
         AboutBox about(&w.window);
         press(Qt::Key_Escape);
         return about.exec() == QDialog::Rejected;
       }},
  };
  for (const auto &c : cases) EXPECT_TRUE(c.closedWithEscape()) << c.name;

  press(Qt::Key_Return);
  const auto shape = platform.askTable(&w.window, {4, 2, true});
  ASSERT_TRUE(shape.has_value()) << "Enter takes the shape";
  EXPECT_EQ(shape->rows, 4);
  EXPECT_EQ(shape->columns, 2);
}

TEST(Accessibility, TheGaugeSaysItsLevelInWords) {
  const QLocale locale;
  const struct {
    const char *name;
    int length, limit;
    QString text, description;
  } cases[] = {
      {"no limit", 1200, 0, locale.toString(1200), u"any length"_s},
      {"well within", 100, 1000, u"100 / "_s + locale.toString(1000), u"100 of the "_s},
      {"near the limit", 950, 1000, u"950 / %1 (near the limit)"_s.arg(locale.toString(1000)),
       u"near the limit"_s},
      {"over", 1010, 1000,
       u"%1 / %2 (over by 10)"_s.arg(locale.toString(1010), locale.toString(1000)),
       u"10 more than the"_s},
  };
  QWidget parent;
  LengthGauge gauge(&parent);
  EXPECT_EQ(gauge.accessibleName(), u"Post length"_s);
  for (const auto &c : cases) {
    gauge.setLength(c.length, c.limit);
    EXPECT_EQ(gauge.text(), c.text) << c.name;
    EXPECT_TRUE(gauge.accessibleDescription().contains(c.description))
        << c.name << ": " << gauge.accessibleDescription().toStdString();
  }
}

// The palettes the program's own colours stand on: the window's light one (kept under any
// desktop theme) and a dialog's or floating dock's under a light or a dark desktop.
struct Palette {
  const char *name;
  QColor window, windowText, base, text;
};
const Palette kPalettes[] = {
    {"the window's", QuillmarkMain::kWindowColor, Qt::black, Qt::white, Qt::black},
    {"a light desktop's", QColor(0xefefef), Qt::black, Qt::white, Qt::black},
    {"a dark desktop's", QColor(0x353535), Qt::white, QColor(0x2a2a2a), Qt::white},
    {"a black desktop's", Qt::black, Qt::white, Qt::black, QColor(0xdddddd)},
};

TEST(Contrast, FollowsTheRelativeLuminanceFormula) {
  const struct {
    const char *name;
    QColor a, b;
    double ratio;
  } cases[] = {
      {"black on white", Qt::black, Qt::white, 21.0},
      {"either way round", Qt::white, Qt::black, 21.0},
      {"equal colours", QColor(0x777777), QColor(0x777777), 1.0},
      {"mid grey on white", QColor(0x767676), Qt::white, 4.54},
      {"pure red on white", Qt::red, Qt::white, 4.0},
  };
  for (const auto &c : cases) EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01) << c.name;
}

TEST(Contrast, TheProgramsColoursReadOnEveryPalette) {
  for (const Palette &p : kPalettes) {
    for (Level level : {Level::Normal, Level::Warning, Level::Over}) {
      const QColor gauge = LengthGauge::colorFor(level, p.window, p.windowText);
      EXPECT_GE(contrastRatio(gauge, p.window), 4.5)
          << p.name << " gauge level " << int(level) << " " << gauge.name().toStdString();
    }
    const QColor muted = preview::mutedColor(p.text, p.base);
    EXPECT_GE(contrastRatio(muted, p.base), 4.5)
        << p.name << " markup " << muted.name().toStdString();
    // Still muted: nearer the background than the text is.
    EXPECT_LT(contrastRatio(muted, p.base), contrastRatio(p.text, p.base)) << p.name;
  }
}

// The About box keeps dark text on its light colour under a dark desktop theme.
TEST(Contrast, TheAboutBoxReadsUnderADarkTheme) {
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::Window, QColor(0x353535));
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  {
    AboutBox about;
    const QPalette &p = about.palette();
    EXPECT_GE(contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window)), 4.5);
  }
  QApplication::setPalette(before);
}

}  // namespace
}  // namespace quillmark
