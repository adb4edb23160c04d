#pragma once
// The preview dock: a header with what the forum does not show (or that it is updating), and
// two tabs, "Preview" (the post as the forum shows it) and "Markup" (the exact text "Copy to
// Web" puts on the clipboard, read-only, fixed width, the markup muted). A link clicked in
// the preview is handed on, never followed inside the program.
#include <QDockWidget>

class QLabel;
class QTabWidget;
class QTextBrowser;
class QPlainTextEdit;

namespace quillmark::preview {

struct PreviewContent;

class PreviewPanel final : public QDockWidget {
  Q_OBJECT

 public:
  explicit PreviewPanel(QWidget *parent = nullptr);

  QTextBrowser &renderedView() const { return *rendered_; }
  QPlainTextEdit &markupView() const { return *markup_; }
  QLabel &header() const { return *header_; }
  QTabWidget &tabs() const { return *tabs_; }

  // Shows the views of a refresh, taking its documents (which must live on this thread).
  void showContent(PreviewContent &content);
  // The header says the preview is being updated, or shows the loss report again.
  void setUpdating(bool updating);
  bool isUpdating() const { return updating_; }

 signals:
  void linkActivated(const QString &address);

 private:
  void showHeader();

  QLabel *header_ = nullptr;
  QTabWidget *tabs_ = nullptr;
  QTextBrowser *rendered_ = nullptr;
  QPlainTextEdit *markup_ = nullptr;
  QString losses_;
  bool updating_ = false;
};

}  // namespace quillmark::preview
