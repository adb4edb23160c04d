#pragma once
// What a screen reader and the keyboard need of the main window: every control it can reach
// named and described, the Tab order following the window from top to bottom, and F6 and
// Shift+F6 moving between the window's panes (the find bar, the document, the preview's two
// views) as desktop programs do.
#include <QList>
#include <QString>

class QWidget;

namespace quillmark {

class QuillmarkMain;

// Names and describes the window's controls, sets the Tab order and adds the pane keys. The
// window calls it once, when its controls are all built; the names are read from the
// controls' own texts (a button's caption, a list's label, its status-bar text), so they
// follow whatever language those texts are in.
void makeAccessible(QuillmarkMain &window);

// A caption as it is read out: its access key's '&' dropped ("&&" stands for one '&').
QString withoutAccessKey(const QString &caption);

// The panes F6 goes through, in order: the find bar while it shows, the document, and the
// preview's views while the dock shows.
QList<QWidget *> windowPanes(const QuillmarkMain &window);
// Moves the focus to the next pane (the previous one when `backwards`), round the ends.
void focusNextPane(QuillmarkMain &window, bool backwards);

}  // namespace quillmark
