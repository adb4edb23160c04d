#pragma once
// The preview dock: a header with what the forum does not show (or that it is updating), and
// two tabs, "Preview" (the post as the forum shows it) and "Markup" (the exact text "Copy to
// Web" puts on the clipboard, read-only, fixed width, the markup muted). A link clicked in
// the preview is handed on, never followed inside the program.
#include <QDockWidget>
#include <cstddef>

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
  // The header says which part of a post in parts is on the clipboard (`part` counts from 0;
  // `count` 0 for none), and the preview scrolls to that part.
  void showCopiedPart(std::size_t part, std::size_t count);

 signals:
  void linkActivated(const QString &address);

 private:
  void showHeader();

  QLabel *header_ = nullptr;
  QTabWidget *tabs_ = nullptr;
  QTextBrowser *rendered_ = nullptr;
  QPlainTextEdit *markup_ = nullptr;
  void scrollToCopiedPart();
  QString losses_;
  std::size_t copiedPart_ = 0;
  std::size_t partCount_ = 0;  // 0: no part of a post in parts was copied
  bool updating_ = false;
};

}  // namespace quillmark::preview
