// The preview dock's widgets. The documents shown are built by a refresh (PreviewContent) and
// handed over whole, so that a large one never keeps the window busy while it is built.
#include "PreviewPanel.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "PreviewContent.h"
#include "post/PostBuilder.h"

using namespace Qt::StringLiterals;

namespace quillmark::preview {

namespace {

constexpr int kFocusMarkWidth = 2;  // pixels of the frame around the view the focus is in

// Takes `document` into `view`, which becomes its owner; the old one goes.
template <typename View>
void replaceDocument(View &view, std::unique_ptr<QTextDocument> document) {
  if (!document) return;
  // The view's first document belongs to the view, which deletes it on the change.
  const QPointer<QTextDocument> old = view.document();
  const bool ours = old && old->parent() == &view;
  QTextDocument *fresh = document.release();
  fresh->setParent(&view);
  view.setDocument(fresh);
  if (ours && old) old->deleteLater();
}

}  // namespace

PreviewPanel::PreviewPanel(QWidget *parent) : QDockWidget(tr("Preview"), parent) {
  setObjectName(u"dockPreview"_s);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);

  auto *body = new QWidget(this);
  header_ = new QLabel(body);
  header_->setObjectName(u"lblPreviewHeader"_s);
  header_->setWordWrap(true);
  header_->setTextFormat(Qt::PlainText);
  header_->hide();

  rendered_ = new QTextBrowser(body);
  rendered_->setObjectName(u"previewRendered"_s);
  rendered_->setOpenLinks(false);
  rendered_->setOpenExternalLinks(false);
  connect(rendered_, &QTextBrowser::anchorClicked, this,
          [this](const QUrl &url) { emit linkActivated(url.toString()); });

  // A plain-text view lays out only the lines it shows, so a long post opens at once.
  markup_ = new QPlainTextEdit(body);
  markup_->setObjectName(u"previewMarkup"_s);
  markup_->setReadOnly(true);
  markup_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFixedPitch(true);
  markup_->setFont(fixed);
  markup_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  // Neither view shows a caret, read-only: a frame in the highlight colour marks the one
  // the keyboard is in (F6 comes here from the document).
  for (QWidget *view : {static_cast<QWidget *>(rendered_), static_cast<QWidget *>(markup_)})
    view->setStyleSheet(u"%1:focus { border: %2px solid palette(highlight); }"_s.arg(
        QString::fromLatin1(view->metaObject()->className()), QString::number(kFocusMarkWidth)));

  tabs_ = new QTabWidget(body);
  tabs_->setObjectName(u"previewTabs"_s);
  tabs_->addTab(rendered_, tr("Preview"));
  tabs_->addTab(markup_, tr("Markup"));

  setAccessibleName(tr("Preview"));
  setAccessibleDescription(tr("The post as the forum shows it, and its markup"));
  header_->setAccessibleName(tr("What the forum does not show"));
  rendered_->setAccessibleName(tr("Preview of the post"));
  rendered_->setAccessibleDescription(tr("The post as the chosen forum shows it"));
  markup_->setAccessibleName(tr("Markup of the post"));
  markup_->setAccessibleDescription(tr("Exactly what Copy to Web puts on the clipboard"));
  tabs_->setAccessibleName(tr("Preview and markup"));
  tabs_->setAccessibleDescription(tr("Ctrl+Tab changes between the preview and the markup"));

  auto *layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(header_);
  layout->addWidget(tabs_, 1);
  setWidget(body);
}

void PreviewPanel::showContent(PreviewContent &content) {
  losses_ = post::lossHeader(content.post.losses);
  // The scroll position survives a refresh, so the writer keeps reading where they were.
  const int renderedAt = rendered_->verticalScrollBar()->value();
  const int markupAt = markup_->verticalScrollBar()->value();
  replaceDocument(*rendered_, std::move(content.rendered));
  if (content.markup) {
    // Given here, on the window's thread: the layout belongs to the widgets.
    content.markup->setDocumentLayout(new QPlainTextDocumentLayout(content.markup.get()));
    replaceDocument(*markup_, std::move(content.markup));
  }
  rendered_->verticalScrollBar()->setValue(renderedAt);
  markup_->verticalScrollBar()->setValue(markupAt);
  showHeader();
}

void PreviewPanel::showCopiedPart(std::size_t part, std::size_t count) {
  const bool moved = count != partCount_ || part != copiedPart_;
  copiedPart_ = part;
  partCount_ = count;
  showHeader();
  if (moved && count > 0) scrollToCopiedPart();
}

// Brings the copied part's start into view: its heading in the preview (the first part has
// none: the top), its separator line in the markup.
void PreviewPanel::scrollToCopiedPart() {
  if (copiedPart_ == 0) {
    rendered_->verticalScrollBar()->setValue(0);
    markup_->verticalScrollBar()->setValue(0);
    return;
  }
  rendered_->scrollToAnchor(u"part-%1"_s.arg(copiedPart_ + 1));
  QTextDocument *markup = markup_->document();
  const QString separator = post::partLine(copiedPart_, partCount_);
  const QTextCursor found = markup->find(separator);
  if (found.isNull()) return;
  QTextCursor at(markup);
  at.setPosition(found.selectionStart());
  markup_->setTextCursor(at);
  markup_->centerCursor();
}

void PreviewPanel::setUpdating(bool updating) {
  updating_ = updating;
  showHeader();
}

void PreviewPanel::showHeader() {
  QString text = updating_ ? tr("Updating the preview…") : losses_;
  if (partCount_ > 0) {
    const QString copied = tr("Part %1 of %2 is on the clipboard")
                               .arg(QLocale().toString(qulonglong(copiedPart_ + 1)),
                                    QLocale().toString(qulonglong(partCount_)));
    text = text.isEmpty() ? copied : copied + u'\n' + text;
  }
  header_->setText(text);
  header_->setVisible(!text.isEmpty());
}

}  // namespace quillmark::preview
