#pragma once
// A Platform for tests: answers from a script instead of showing dialogs, and records what
// the window asked, so that no test waits on a modal dialog.
#include <QDialog>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

#include "Platform.h"
#include "QtPrinters.h"
#include "QuillmarkMain.h"
#include "quillmark/formats.h"

using namespace Qt::StringLiterals;

namespace quillmark::testing {

struct ScriptedPlatform final : Platform {
  struct Message {
    Icon icon;
    QString title;
    QString text;
  };

  // Answers, used in order; an empty queue means "cancel" / "No".
  std::deque<bool> answers;
  std::deque<SaveChoice> saveChoices;
  // Answers to the draft question; when empty, the next of `answers` (true: Restore).
  std::deque<DraftChoice> draftChoices;
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<QColor>> colors;
  std::deque<std::optional<QString>> texts;
  std::deque<PictureAddress> pictures;  // answers to askPicture; none left: cancel
  // Called with each dialog of ours instead of running it.
  std::function<void(QDialog &)> onModal;

  // What the window asked.
  QStringList questions;
  std::vector<Message> messages;
  std::vector<FileDialogSettings> fileDialogs;
  std::vector<QColor> colorDialogsOpenedOn;
  QStringList textsOffered;  // the field's starting text of each askText
  int printed = 0;

  bool askYesNo(QWidget *, const QString &title, const QString &text) override {
    questions << title + u": "_s + text;
    return take(answers).value_or(false);
  }
  SaveChoice askSaveDiscardCancel(QWidget *, const QString &title, const QString &text) override {
    questions << title + u": "_s + text;
    return take(saveChoices).value_or(SaveChoice::Cancel);
  }
  DraftChoice askRestoreDraft(QWidget *, const QString &title, const QString &text) override {
    questions << title + u": "_s + text;
    if (!draftChoices.empty()) return *take(draftChoices);
    return take(answers).value_or(false) ? DraftChoice::Restore : DraftChoice::Discard;
  }
  void showMessage(QWidget *, Icon icon, const QString &title, const QString &text) override {
    messages.push_back({icon, title, text});
  }
  std::optional<QString> chooseFileToOpen(QWidget *, const FileDialogSettings &s) override {
    fileDialogs.push_back(s);
    return take(files).value_or(std::nullopt);
  }
  std::optional<QString> chooseFileToSave(QWidget *, const FileDialogSettings &s) override {
    fileDialogs.push_back(s);
    return take(files).value_or(std::nullopt);
  }
  std::optional<QColor> chooseColor(QWidget *, const QColor &initial) override {
    colorDialogsOpenedOn.push_back(initial);
    return take(colors).value_or(std::nullopt);
  }
  void runModal(QDialog &dialog) override {
    if (onModal) onModal(dialog);
  }
  std::optional<QString> askText(QWidget *, const QString &, const QString &,
                                 const QString &initial) override {
    textsOffered << initial;
    return take(texts).value_or(std::nullopt);
  }
  std::optional<PictureAddress> askPicture(QWidget *) override {
    ++picturesAsked;
    if (pictures.empty()) return std::nullopt;
    const PictureAddress answer = pictures.front();
    pictures.pop_front();
    return answer;
  }
  int picturesAsked = 0;
  std::deque<TableShape> tables;  // answers to askTable; none left: cancel
  std::optional<TableShape> askTable(QWidget *, const TableShape &) override {
    ++tablesAsked;
    if (tables.empty()) return std::nullopt;
    const TableShape answer = tables.front();
    tables.pop_front();
    return answer;
  }
  int tablesAsked = 0;
  std::deque<Format> dialects;          // answers to askDialect; none left: cancel
  std::vector<Format> dialectsOffered;  // the dialect each askDialect started at
  std::optional<Format> askDialect(QWidget *, const QString &, Format initial) override {
    dialectsOffered.push_back(initial);
    return take(dialects);
  }
  bool print(QWidget *, QTextDocument &) override {
    ++printed;
    return true;
  }
  // The desktop session's end, raised by the test with endSession().
  void onSessionEnd(QObject *, std::function<void()> ending) override {
    sessionEnding = std::move(ending);
  }
  void endSession() {
    if (sessionEnding) sessionEnding();
  }
  std::function<void()> sessionEnding;

 private:
  // GCC takes the moved-from answer of an optional<optional<QString>> for uninitialized
  // where it inlines this into several callers; it is not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
  template <typename T>
  static std::optional<T> take(std::deque<T> &queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> value(std::move(queue.front()));
    queue.pop_front();
    return value;
  }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
};

// Points the application's settings at a fresh, empty folder for as long as it lives, so
// that no test reads or writes the user's settings or another test's.
struct SettingsSandbox {
  QTemporaryDir folder;
  SettingsSandbox() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  }
};

// A main window with a scripted platform, and that platform, on settings of its own.
struct ScriptedWindow {
  SettingsSandbox settings;
  ScriptedPlatform *platform = new ScriptedPlatform;
  QuillmarkMain window{std::unique_ptr<Platform>(platform)};
};

}  // namespace quillmark::testing
