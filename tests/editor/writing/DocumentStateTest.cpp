// The document's name and modified flag in the window title, and the question asked before a
// changed document is dropped, answered Save, Discard and Cancel, with a save that fails.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>

#include "writing/DocumentState.h"
// GCC 12 takes the scripted file answers (optional<optional<QString>>) for uninitialised
// when this file uses none of them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "ScriptedPlatform.h"
#pragma GCC diagnostic pop

using namespace Qt::StringLiterals;
using quillmark::DocumentState;
using quillmark::Platform;
using quillmark::testing::ScriptedPlatform;

namespace {

void type(QTextDocument &document, const QString &text) {
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
}

TEST(DocumentState, TitleShowsNameAndMarkFollowsTheDocument) {
  QTextDocument document;
  DocumentState state(document);
  QWidget window;
  state.attach(window);
  int changes = 0;
  QObject::connect(&state, &DocumentState::changed, [&] { ++changes; });

  EXPECT_EQ(window.windowTitle(), u"Untitled[*] \u2014 Quillmark by Norvane"_s);
  EXPECT_FALSE(window.isWindowModified());

  type(document, u"A long post"_s);
  EXPECT_TRUE(state.isModified());
  EXPECT_TRUE(window.isWindowModified());

  state.setSaved(u"/home/writer/posts/season.rtf"_s);
  EXPECT_EQ(window.windowTitle(), u"season.rtf[*] \u2014 Quillmark by Norvane"_s);
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(state.filePath(), u"/home/writer/posts/season.rtf"_s);

  document.undo();  // back to the empty text is a change from what was saved
  EXPECT_TRUE(window.isWindowModified());

  state.setUntitled(true);  // a restored draft: no file, changed
  EXPECT_EQ(state.displayName(), u"Untitled"_s);
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_EQ(changes, 4);
}

TEST(DocumentState, PlaceholderInAFileNameStaysLiteral) {
  QTextDocument document;
  DocumentState state(document);
  state.setSaved(u"/tmp/odd[*]name.rtf"_s);
  QWidget window;
  state.attach(window);
  type(document, u"x"_s);
  window.show();
  // What the title bar shows: Qt's own rendering of the placeholder.
  ASSERT_NE(window.windowHandle(), nullptr);
  EXPECT_EQ(window.windowHandle()->title(), u"odd[*]name.rtf* \u2014 Quillmark by Norvane"_s);
}

struct DropCase {
  const char *name;
  bool modified;
  std::optional<Platform::SaveChoice> answer;  // none: not asked
  bool saveSucceeds;
  bool mayDrop;
  int saves;
};

class MayDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(MayDrop, AsksOnlyWhenChangedAndKeepsTheDocumentUnlessItIsSafe) {
  const DropCase &c = GetParam();
  QTextDocument document;
  DocumentState state(document);
  state.setSaved(u"/tmp/post.rtf"_s);
  if (c.modified) type(document, u"unsaved words"_s);
  ScriptedPlatform platform;
  if (c.answer) platform.saveChoices = {*c.answer};
  int saves = 0;
  const bool mayDrop = quillmark::mayDropDocument(platform, nullptr, state, [&] {
    ++saves;
    return c.saveSucceeds;
  });
  EXPECT_EQ(mayDrop, c.mayDrop);
  EXPECT_EQ(saves, c.saves);
  EXPECT_EQ(platform.questions,
            c.modified ? QStringList{u"Quillmark by Norvane: Save changes to post.rtf?"_s}
                       : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MayDrop,
    ::testing::Values(DropCase{"Unchanged", false, std::nullopt, true, true, 0},
                      DropCase{"Save", true, Platform::SaveChoice::Save, true, true, 1},
                      DropCase{"SaveFails", true, Platform::SaveChoice::Save, false, false, 1},
                      DropCase{"Discard", true, Platform::SaveChoice::Discard, true, true, 0},
                      DropCase{"Cancel", true, Platform::SaveChoice::Cancel, true, false, 0}),
    [](const auto &param) { return std::string(param.param.name); });

}  // namespace
