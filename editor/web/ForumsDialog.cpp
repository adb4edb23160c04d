// The forums dialog: a list of profiles and a form for the chosen one.
#include "web/ForumsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "quillmark/split.h"
#include "richtext/DocumentModel.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark::web {

namespace {
using richtext::qs;
}  // namespace

ForumsDialog::ForumsDialog(ProfileStore &store, QWidget *parent) : QDialog(parent), store_(store) {
  setObjectName(u"ForumsDialog"_s);
  setWindowTitle(tr("Forums"));

  list_ = new QListWidget(this);
  list_->setObjectName(u"profiles"_s);
  connect(list_, &QListWidget::currentRowChanged, this, &ForumsDialog::showChosen);
  list_->setAccessibleName(tr("Forum profiles"));
  list_->setAccessibleDescription(tr("The profile chosen here shows in the fields beside it"));

  auto *right = new QVBoxLayout;
  right->addLayout(buildFields());
  right->addLayout(buildButtons());
  right->addStretch(1);

  auto *top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(right, 2);

  auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(close);

  fill(store_.current().name);
  resize(640, 300);
}

// The chosen profile's fields: its name, address, format, longest post and tables.
QFormLayout *ForumsDialog::buildFields() {
  name_ = new QLineEdit(this);
  name_->setObjectName(u"name"_s);
  address_ = new QLineEdit(this);
  address_->setObjectName(u"address"_s);
  address_->setPlaceholderText(u"forum.example.org"_s);
  format_ = new QComboBox(this);
  format_->setObjectName(u"format"_s);
  for (const FormatInfo &info : allFormats())
    format_->addItem(qs(info.displayName), int(info.format));
  // Choosing another forum software brings its own limit, as it is installed, unless the
  // longest post was set to something else.
  connect(format_, &QComboBox::activated, this, [this] {
    const Format chosen = Format(format_->currentData().toInt());
    const auto limitOf = [](Format format) { return int(postLimit(format).characters); };
    if (limit_->value() == limitOf(shownFormat_) || limit_->value() == kBuiltInLimit ||
        limit_->value() == 0)
      limit_->setValue(limitOf(chosen));
    shownFormat_ = chosen;
  });
  limit_ = new QSpinBox(this);
  limit_->setObjectName(u"limit"_s);
  limit_->setRange(0, 10'000'000);
  limit_->setSingleStep(1000);
  limit_->setGroupSeparatorShown(true);
  limit_->setSpecialValueText(tr("No limit"));
  limit_->setSuffix(tr(" characters"));
  tables_ = new QCheckBox(tr("Forum shows &tables"), this);
  tables_->setObjectName(u"tables"_s);
  tables_->setToolTip(tr("Without tables, a table is posted as a code block of lined-up columns"));
  partMarks_ = new QCheckBox(tr("Number the &parts of a long post"), this);
  partMarks_->setObjectName(u"partMarks"_s);
  partMarks_->setToolTip(
      tr("A post longer than the forum takes is copied in parts, each ending with its number, "
         "as \"(1/3)\""));

  name_->setAccessibleDescription(tr("The profile's name, as \"Post as:\" lists it"));
  address_->setAccessibleDescription(tr("The forum's web address"));
  format_->setAccessibleDescription(tr("The markup the forum reads"));
  limit_->setAccessibleDescription(tr("The longest post the forum takes, in characters"));
  // A spin box's field is a text control of its own to a screen reader.
  if (auto *field = limit_->findChild<QLineEdit *>()) field->setAccessibleName(tr("Longest post"));
  tables_->setAccessibleDescription(tables_->toolTip());
  partMarks_->setAccessibleDescription(partMarks_->toolTip());

  auto *form = new QFormLayout;
  form->addRow(tr("&Name:"), name_);
  form->addRow(tr("&Address:"), address_);
  form->addRow(tr("&Format:"), format_);
  form->addRow(tr("&Longest post:"), limit_);
  form->addRow(QString(), tables_);
  form->addRow(QString(), partMarks_);
  return form;
}

// Add (a menu of the formats, so that a new profile's is asked first), Keep Changes and
// Remove, with their commands.
QHBoxLayout *ForumsDialog::buildButtons() {
  add_ = new QPushButton(tr("A&dd"), this);
  add_->setObjectName(u"add"_s);
  auto *formats = new QMenu(add_);
  formats->setObjectName(u"addFormats"_s);
  for (const FormatInfo &info : allFormats())
    connect(formats->addAction(qs(info.displayName)), &QAction::triggered, this,
            [this, format = info.format] { addProfile(format); });
  add_->setMenu(formats);
  keep_ = new QPushButton(tr("&Keep Changes"), this);
  keep_->setObjectName(u"keep"_s);
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName(u"remove"_s);
  add_->setAccessibleDescription(tr("Adds an empty profile for the markup chosen from its menu"));
  keep_->setAccessibleDescription(tr("Keeps the changes to the chosen profile"));
  remove_->setAccessibleDescription(tr("Removes the chosen profile"));
  // Enter in a field keeps its change; Esc and Close close the dialog.
  keep_->setDefault(true);
  connect(keep_, &QPushButton::clicked, this, &ForumsDialog::keepChanges);
  connect(remove_, &QPushButton::clicked, this, &ForumsDialog::removeProfile);

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(keep_);
  buttons->addWidget(remove_);
  buttons->addStretch(1);
  return buttons;
}

void ForumsDialog::fill(const QString &select) {
  QSignalBlocker blocker(list_);
  list_->clear();
  int row = 0;
  for (const Profile &profile : store_.profiles()) {
    list_->addItem(profile.builtIn ? tr("%1 (built in)").arg(profile.name) : profile.name);
    if (profile.name == select) row = list_->count() - 1;
  }
  list_->setCurrentRow(row);
  blocker.unblock();
  showChosen();
}

void ForumsDialog::showChosen() {
  const int row = list_->currentRow();
  if (row < 0 || row >= store_.profiles().size()) return;
  const Profile &profile = store_.profiles()[row];
  name_->setText(profile.name);
  address_->setText(profile.address);
  format_->setCurrentIndex(format_->findData(int(profile.format)));
  shownFormat_ = profile.format;
  limit_->setValue(profile.limit);
  tables_->setChecked(profile.tables);
  partMarks_->setChecked(profile.partMarks);
  for (QWidget *field : {static_cast<QWidget *>(name_), static_cast<QWidget *>(address_),
                         static_cast<QWidget *>(format_), static_cast<QWidget *>(limit_),
                         static_cast<QWidget *>(tables_), static_cast<QWidget *>(partMarks_)})
    field->setEnabled(!profile.builtIn);
  keep_->setEnabled(!profile.builtIn);
  remove_->setEnabled(!profile.builtIn);
}

bool ForumsDialog::readFields(Profile &profile) const {
  profile.name = name_->text().trimmed();
  profile.address = address_->text().trimmed();
  profile.format = Format(format_->currentData().toInt());
  profile.limit = limit_->value();
  profile.tables = tables_->isChecked();
  profile.partMarks = partMarks_->isChecked();
  return !profile.name.isEmpty();
}

void ForumsDialog::addProfile(Format format) {
  // A new profile starts empty, under a name not yet taken, for the writer to fill in.
  Profile profile = newProfile(format);
  const QString base = tr("New forum");
  QString name = base;
  for (int n = 2; store_.find(name); ++n) name = base + u" (%1)"_s.arg(n);
  profile.name = name;
  if (store_.add(profile)) fill(name);
  name_->setFocus();
  name_->selectAll();
}

void ForumsDialog::keepChanges() {
  const int row = list_->currentRow();
  if (row < 0 || row >= store_.profiles().size()) return;
  const QString old = store_.profiles()[row].name;
  Profile profile;
  if (readFields(profile) && store_.update(old, profile))
    fill(profile.name);
  else
    showChosen();  // an empty or taken name: the profile shows as it was kept
}

void ForumsDialog::removeProfile() {
  const int row = list_->currentRow();
  if (row < 0 || row >= store_.profiles().size()) return;
  if (store_.remove(store_.profiles()[row].name))
    fill(store_.profiles()[qMin(row, int(store_.profiles().size()) - 1)].name);
}

}  // namespace quillmark::web
