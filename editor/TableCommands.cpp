// The table commands: Insert > Table... and the Table menu. Each works on the table at the
// selection and is one step of undo; where it does not apply it changes nothing (the menu
// shows it disabled there).
#include <algorithm>

#include "QuillmarkMain.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {
using Edit = richtext::RichTextBox::TableEdit;
}  // namespace

// The menu offers it outside tables; in a fixed-columns block it is refused with the reason.
void QuillmarkMain::insertTable() {
  if (box_->selInTable()) return;
  if (!box_->canInsertTable()) {
    platform_->showMessage(this, Platform::Icon::Warning, tr("Insert Table"),
                           tr("A table cannot stand inside a fixed-columns block: put the "
                              "cursor after its {End Fixed} line."));
    return;
  }
  const auto shape = platform_->askTable(this, lastTable_);
  if (!shape) return;
  lastTable_ = {std::clamp(shape->rows, 1, richtext::kMaxTableRows),
                std::clamp(shape->columns, 1, richtext::kMaxTableColumns), shape->headerRow};
  box_->insertTable(lastTable_.rows, lastTable_.columns, lastTable_.headerRow);
  box_->setFocus();
}

void QuillmarkMain::insertRowAbove() { box_->editTable(Edit::RowAbove); }
void QuillmarkMain::insertRowBelow() { box_->editTable(Edit::RowBelow); }
void QuillmarkMain::insertColumnLeft() { box_->editTable(Edit::ColumnLeft); }
void QuillmarkMain::insertColumnRight() { box_->editTable(Edit::ColumnRight); }
void QuillmarkMain::deleteRow() { box_->editTable(Edit::DeleteRows); }
void QuillmarkMain::deleteColumn() { box_->editTable(Edit::DeleteColumns); }
void QuillmarkMain::deleteTable() { box_->editTable(Edit::DeleteTable); }

void QuillmarkMain::alignColumnLeft() { box_->setColumnAlignment(richtext::Alignment::Left); }
void QuillmarkMain::alignColumnCenter() { box_->setColumnAlignment(richtext::Alignment::Center); }
void QuillmarkMain::alignColumnRight() { box_->setColumnAlignment(richtext::Alignment::Right); }

void QuillmarkMain::toggleHeaderRow() { box_->setTableHeaderRow(!box_->tableHeaderRow()); }

void QuillmarkMain::convertTextToTable() {
  QString error;
  if (!box_->convertTextToTable(&error)) {
    platform_->showMessage(this, Platform::Icon::Warning, tr("Convert Text to Table"), error);
    return;
  }
  box_->setFocus();
}

void QuillmarkMain::convertTableToText() { box_->convertTableToText(); }

}  // namespace quillmark
